#include "app/win32/main_window.h"

#include <cstdint>

#include "app/core/layout.h"
#include "app/win32/gdi_objects.h"
#include "app/win32/globals.h"
#include "app/win32/insert_tags.h"

namespace {

// The Windows columns of the layout: each control's class and styles, in the layout's
// order. No style carries more than these bits: no automatic scrolling, and no tab stops
// (docs/deliberate.md, "Tab").
struct Win32Control {
  int id;
  const char* class_name;
  DWORD ex_style;
  DWORD style;
};

constexpr Win32Control kWin32Controls[kControlCount] = {
    {IDC_TEXT, "EDIT", WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE},
    {IDC_INSERT, "BUTTON", 0, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON},
    {IDC_START_TAG, "EDIT", WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE | ES_LEFT},
    {IDC_END_TAG, "EDIT", WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE | ES_LEFT},
    {IDC_START_LABEL, "STATIC", 0, WS_CHILD | WS_VISIBLE | SS_LEFT},
    {IDC_END_LABEL, "STATIC", 0, WS_CHILD | WS_VISIBLE | SS_LEFT},
};

static_assert(follows_layout(kWin32Controls), "the Windows columns follow the layout's order");

// Records the window and builds the controls, each with the application's font.
void on_create(HWND window) {
  g_main_hwnd = window;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  for (int i = 0; i < kControlCount; ++i) {
    const ControlPlace& c = kControls[i];
    const Win32Control& w = kWin32Controls[i];
    CreateWindowExA(w.ex_style, w.class_name, c.text, w.style, c.x, c.y, c.width, c.height, window,
                    reinterpret_cast<HMENU>(static_cast<intptr_t>(c.id)), instance, nullptr);
    SendMessageA(GetDlgItem(window, c.id), WM_SETFONT, reinterpret_cast<WPARAM>(g_font), 0);
  }
}

void on_close(HWND window) { DestroyWindow(window); }

// The upper and the lower 16 bits of WM_COMMAND's wParam: the notification code and the
// control's id.
uint16_t hiword(WPARAM value) { return HIWORD(value); }
uint16_t loword(WPARAM value) { return LOWORD(value); }

// Only a click of the Insert-tag button does anything; the edits' notifications are
// neither acted on nor passed on.
void on_command(WPARAM wparam) {
  if (loword(wparam) == IDC_INSERT && hiword(wparam) == BN_CLICKED) insert_tags();
}

// The font and the brush go with the window, and the message loop with them.
void on_destroy() {
  release_gdi_objects();
  PostQuitMessage(0);
}

}  // namespace

LRESULT CALLBACK main_wnd_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_DESTROY:
      on_destroy();
      return 0;
    case WM_CREATE:
      on_create(window);
      return 0;
    case WM_CLOSE:
      on_close(window);
      return 0;
    case WM_COMMAND:
      on_command(wparam);
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}
