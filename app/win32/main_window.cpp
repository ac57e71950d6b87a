#include "app/win32/main_window.h"

#include "app/core/controls.h"
#include "app/win32/globals.h"
#include "app/win32/insert_tags.h"
#include "app/win32/startup.h"

namespace {

struct ControlSpec {
  int id;
  const char* class_name;
  const char* text;
  DWORD ex_style;
  DWORD style;
  int x, y, width, height;
};

// The six controls in the order of creation; positions in client coordinates.
// Texts are code page 932: タグ挿入, 開始タグ, 終了タグ.
const ControlSpec kControls[] = {
    {IDC_TEXT, "EDIT", "", WS_EX_CLIENTEDGE, 0x50200004, 34, 21, 330, 206},
    {IDC_INSERT, "BUTTON", "\x83\x5e\x83\x4f\x91\x7d\x93\xfc", 0, 0x50000000, 275, 244, 89, 69},
    {IDC_START_TAG, "EDIT", "", WS_EX_CLIENTEDGE, 0x50000000, 122, 245, 142, 26},
    {IDC_END_TAG, "EDIT", "", WS_EX_CLIENTEDGE, 0x50000000, 122, 287, 142, 26},
    {IDC_START_LABEL, "STATIC", "\x8a\x4a\x8e\x6e\x83\x5e\x83\x4f", 0, 0x50000000, 34, 245, 82, 26},
    {IDC_END_LABEL, "STATIC", "\x8f\x49\x97\xb9\x83\x5e\x83\x4f", 0, 0x50000000, 34, 287, 82, 26},
};

// Records the window and builds the controls, each with the application's font.
void on_create(HWND window) {
  g_main_hwnd = window;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  for (const ControlSpec& c : kControls) {
    CreateWindowExA(c.ex_style, c.class_name, c.text, c.style, c.x, c.y, c.width, c.height, window,
                    reinterpret_cast<HMENU>(static_cast<intptr_t>(c.id)), instance, nullptr);
    SendMessageA(GetDlgItem(window, c.id), WM_SETFONT, reinterpret_cast<WPARAM>(g_font), 0);
  }
}

void on_close(HWND window) { DestroyWindow(window); }

// Only a click of the Insert-tag button does anything; the edits' notifications are
// neither acted on nor passed on.
void on_command(WPARAM wparam) {
  uint32_t value = static_cast<uint32_t>(wparam);
  if (loword(value) == IDC_INSERT && hiword(value) == BN_CLICKED) insert_tags();
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
