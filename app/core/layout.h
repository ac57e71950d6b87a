// The main window as every front-end lays it out: the controls' ids, texts, places and
// sizes, the window's caption and size, the Tab order and the names that assistive
// technologies read. A front-end adds only its own columns (the Win32 class and styles,
// the GTK widget, the page's element); its tests keep their own copy of the values, as the
// independent check.
#pragma once

constexpr int IDC_TEXT = 1000;
constexpr int IDC_INSERT = 1001;
constexpr int IDC_START_TAG = 1002;
constexpr int IDC_END_TAG = 1003;
constexpr int IDC_START_LABEL = 1004;
constexpr int IDC_END_LABEL = 1005;

struct ControlPlace {
  int id;
  const char* text;         // code page 932
  int x, y, width, height;  // pixels; x and y from the top left of the client area
};

constexpr int kControlCount = 6;

// The six controls in the order in which they are made. The texts are タグ挿入, 開始タグ
// and 終了タグ. The button's right edge is the text edit's: both end at x = 364.
inline constexpr ControlPlace kControls[kControlCount] = {
    {IDC_TEXT, "", 34, 21, 330, 206},
    {IDC_INSERT, "\x83\x5e\x83\x4f\x91\x7d\x93\xfc", 275, 244, 89, 69},
    {IDC_START_TAG, "", 122, 245, 142, 26},
    {IDC_END_TAG, "", 122, 287, 142, 26},
    {IDC_START_LABEL, "\x8a\x4a\x8e\x6e\x83\x5e\x83\x4f", 34, 245, 82, 26},
    {IDC_END_LABEL, "\x8f\x49\x97\xb9\x83\x5e\x83\x4f", 34, 287, 82, 26},
};

// Whether a front-end's own columns, each with the id of its control, name the six
// controls in the layout's order.
template <typename Column, int N>
constexpr bool follows_layout(const Column (&columns)[N]) {
  for (int i = 0; i < N; ++i) {
    if (N != kControlCount || columns[i].id != kControls[i].id) return false;
  }
  return N == kControlCount;
}

// Returns the place of the control with this id; null for any other id.
constexpr const ControlPlace* place_of(int id) {
  for (const ControlPlace& c : kControls) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

inline constexpr char kWindowCaption[] = "Morvane";
// The outer size of the main window, frame included, in pixels.
constexpr int kWindowWidth = 408;
constexpr int kWindowHeight = 360;

// Where the window may be larger than that (GTK, the web page), the control that takes the
// room beyond it; everything else keeps its size and moves down by the extra height.
constexpr int kGrowingControl = IDC_TEXT;

// Where the front-end moves the focus with Tab (GTK, the web page): reading order. The
// Windows program's controls have no tab stops (docs/deliberate.md, "Tab").
inline constexpr int kTabOrder[] = {IDC_TEXT, IDC_START_TAG, IDC_END_TAG, IDC_INSERT};

// The name that assistive technologies give the text edit, テキスト. The button is named
// by its caption and each tag field by its label (IDC_START_LABEL, IDC_END_LABEL).
inline constexpr char kTextName[] = "\x83\x65\x83\x4c\x83\x58\x83\x67";
