// The main window: its six controls, the messages it handles and those it passes on, and
// how it ends.
#include "tests/support/import_hook.h"
#include "tests/win32/app_fixture.h"

namespace {

struct ExpectedControl {
  int id;
  const char* class_name;
  const char* text_utf8;
  DWORD ex_style;
  DWORD style;
  RECT bounds;  // left, top, right, bottom in the main window's client area
};

const ExpectedControl kLayout[] = {
    {IDC_TEXT, "Edit", "", 0x200, 0x50200004, {34, 21, 364, 227}},
    {IDC_INSERT, "Button", "タグ挿入", 0, 0x50000000, {275, 244, 364, 313}},
    {IDC_START_TAG, "Edit", "", 0x200, 0x50000000, {122, 245, 264, 271}},
    {IDC_END_TAG, "Edit", "", 0x200, 0x50000000, {122, 287, 264, 313}},
    {IDC_START_LABEL, "Static", "開始タグ", 0, 0x50000000, {34, 245, 116, 271}},
    {IDC_END_LABEL, "Static", "終了タグ", 0, 0x50000000, {34, 287, 116, 313}},
};

// Bits that no control may carry: automatic scrolling, Return handling, a horizontal
// scroll bar, tab stops and groups.
constexpr DWORD kForbiddenStyles =
    ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_HSCROLL | WS_TABSTOP | WS_GROUP;

std::string rect_text(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

RECT client_bounds(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, g_main_hwnd, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TEST_F(MainWindowTest, HasTheSixControlsInOrder) {
  std::vector<int> order;
  for (HWND c = GetWindow(g_main_hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    order.push_back(GetDlgCtrlID(c));
  }
  EXPECT_EQ((std::vector<int>{1000, 1001, 1002, 1003, 1004, 1005}), order);

  for (const ExpectedControl& e : kLayout) {
    SCOPED_TRACE(e.id);
    HWND control = child(e.id);
    ASSERT_NE(nullptr, control);
    char class_name[32] = {};
    GetClassNameA(control, class_name, sizeof class_name);
    EXPECT_STRCASEEQ(e.class_name, class_name);
    EXPECT_EQ(hex_bytes(cp932(e.text_utf8)), hex_bytes(window_text(control)));
    DWORD style = DWORD(GetWindowLongA(control, GWL_STYLE));
    DWORD ex_style = DWORD(GetWindowLongA(control, GWL_EXSTYLE));
    EXPECT_EQ(e.style, style & e.style) << std::hex << "style " << style;
    EXPECT_EQ(0u, style & kForbiddenStyles & ~e.style) << std::hex << "style " << style;
    EXPECT_EQ(e.ex_style, ex_style & e.ex_style) << std::hex << "extended style " << ex_style;
    EXPECT_EQ(rect_text(e.bounds), rect_text(client_bounds(control)));
    EXPECT_EQ(reinterpret_cast<LRESULT>(g_font), SendMessageA(control, WM_GETFONT, 0, 0));
  }
}

TEST_F(MainWindowTest, StartUpLeavesJustTheStringVariables) {
  std::vector<RtString> live = live_strings();
  ASSERT_EQ(size_t(kStringVariableCount), live.size());
  EXPECT_EQ(string_variables(), live);
  for (RtString s : live) EXPECT_EQ(0, str_length(s));
}

TEST_F(MainWindowTest, OuterWindowAndClasses) {
  RECT r;
  GetWindowRect(g_main_hwnd, &r);
  EXPECT_EQ(408, r.right - r.left);
  EXPECT_EQ(360, r.bottom - r.top);
  EXPECT_EQ("Morvane", window_text(g_main_hwnd));
  const DWORD shown_frame = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
  EXPECT_EQ(shown_frame, DWORD(GetWindowLongA(g_main_hwnd, GWL_STYLE)) & shown_frame);

  WNDCLASSEXA dialog = {}, main = {};
  dialog.cbSize = main.cbSize = sizeof(WNDCLASSEXA);
  ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "NORMALDLG", &dialog));
  ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "NORMAL0", &main));
  EXPECT_EQ(reinterpret_cast<WNDPROC>(dlg_wnd_proc), dialog.lpfnWndProc);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(main_wnd_proc), main.lpfnWndProc);
  for (const WNDCLASSEXA* c : {&dialog, &main}) {
    EXPECT_EQ(UINT(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS), c->style);
    EXPECT_EQ(g_created_brush, c->hbrBackground) << "the brush survives its trip through a double";
    EXPECT_EQ(face_brush(), c->hbrBackground);
  }
  EXPECT_EQ(dialog.hIcon, main.hIcon);
  EXPECT_EQ(dialog.hCursor, main.hCursor);
  EXPECT_EQ(dialog.hIconSm, main.hIconSm);
}

TEST_F(MainWindowTest, PassesOtherMessagesToTheDefaultProcedure) {
  EXPECT_EQ(DefWindowProcA(g_main_hwnd, WM_GETTEXTLENGTH, 0, 0),
            SendMessageA(g_main_hwnd, WM_GETTEXTLENGTH, 0, 0));
  // The class that no window uses passes everything on.
  EXPECT_EQ(DefWindowProcA(g_main_hwnd, WM_GETTEXTLENGTH, 0, 0),
            dlg_wnd_proc(g_main_hwnd, WM_GETTEXTLENGTH, 0, 0));
  EXPECT_EQ(DefWindowProcA(g_main_hwnd, WM_NCHITTEST, 0, 0),
            dlg_wnd_proc(g_main_hwnd, WM_NCHITTEST, 0, 0));
  RECT r;
  GetWindowRect(g_main_hwnd, &r);
  LPARAM caption = MAKELPARAM(r.left + 100, r.top + 5);
  EXPECT_EQ(DefWindowProcA(g_main_hwnd, WM_NCHITTEST, 0, caption),
            SendMessageA(g_main_hwnd, WM_NCHITTEST, 0, caption));

  RECT before = client_bounds(child(IDC_INSERT));
  SetWindowPos(g_main_hwnd, nullptr, 0, 0, 700, 600, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(rect_text(before), rect_text(client_bounds(child(IDC_INSERT))))
      << "controls keep their places when the window is resized";
}

TEST_F(MainWindowTest, ActsOnlyOnAClickOfTheInsertButton) {
  const std::string text = "abcdef";
  set_text(child(IDC_TEXT), text);
  set_text(child(IDC_START_TAG), "[");
  set_text(child(IDC_END_TAG), "]");
  select_bytes(1, 3);
  const WPARAM ignored[] = {
      MAKEWPARAM(IDC_INSERT, BN_DOUBLECLICKED),
      MAKEWPARAM(IDC_INSERT, EN_CHANGE),
      MAKEWPARAM(IDC_INSERT, 0xFFFF),
      MAKEWPARAM(IDC_TEXT, BN_CLICKED),
      MAKEWPARAM(IDC_START_TAG, BN_CLICKED),
      MAKEWPARAM(IDC_END_LABEL, BN_CLICKED),
      MAKEWPARAM(0, BN_CLICKED),
  };
  for (WPARAM w : ignored) {
    SCOPED_TRACE(::testing::Message() << std::hex << "wParam " << w);
    EXPECT_EQ(0, SendMessageA(g_main_hwnd, WM_COMMAND, w, 0));
    EXPECT_EQ(text, window_text(child(IDC_TEXT)));
  }
  EXPECT_EQ(0, SendMessageA(g_main_hwnd, WM_COMMAND, MAKEWPARAM(IDC_INSERT, BN_CLICKED),
                            reinterpret_cast<LPARAM>(child(IDC_INSERT))));
  EXPECT_EQ("a[bc]def", window_text(child(IDC_TEXT)));
}

TEST_F(MainWindowTest, CloseDestroysTheWindowAndEndsTheLoop) {
  HFONT font = g_font;
  HBRUSH brush = face_brush();
  EXPECT_EQ(0, SendMessageA(g_main_hwnd, WM_CLOSE, 0, 0));
  EXPECT_FALSE(IsWindow(g_main_hwnd));
  const std::vector<SystemCall> expected = {
      {"DeleteObject", reinterpret_cast<uintptr_t>(font)},
      {"DeleteObject", reinterpret_cast<uintptr_t>(brush)},
      {"PostQuitMessage", 0},
  };
  EXPECT_EQ(expected, g_system_calls);
  EXPECT_EQ(g_created_brush, brush);
  EXPECT_EQ(0u, GetObjectType(font)) << "the font is gone";
  EXPECT_EQ(0u, GetObjectType(brush)) << "the brush is gone";
  EXPECT_EQ(0, run_message_loop()) << "the quit message ends the loop";
}

BOOL WINAPI failing_get_message(LPMSG, HWND, UINT, UINT) { return -1; }

// A GetMessageA that fails ends the loop as the quit message does.
TEST_F(MainWindowTest, FailedGetMessageEndsTheLoop) {
  void* get_message = hook_import("user32.dll", "GetMessageA",
                                  reinterpret_cast<void*>(failing_get_message));
  EXPECT_EQ(-1, run_message_loop());
  hook_import("user32.dll", "GetMessageA", get_message);
}

// The brush is kept as the double of its handle read as a signed 32-bit integer: handles
// with the top bit set come back from negative doubles.
TEST(FaceBrush, ComesBackAsTheHandleStored) {
  const double saved = g_face_brush;
  for (int32_t handle : {0x3a, 0x7fffffff, -0x7ffffff0, INT32_MIN, -1}) {
    g_face_brush = static_cast<double>(handle);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(static_cast<intptr_t>(handle)), face_brush()) << handle;
  }
  g_face_brush = saved;
}

}  // namespace
