#include "app/win32/app_main.h"

#include "app/core/layout.h"
#include "app/win32/gdi_objects.h"
#include "app/win32/globals.h"
#include "app/win32/main_window.h"
#include "app/win32/stop_box.h"

namespace {

// The record is 48 bytes in the 32-bit program; the 64-bit build's is wider.
static_assert(sizeof(void*) != 4 || sizeof(WNDCLASSEXA) == 48, "WNDCLASSEXA of 48 bytes");

// Fills a zeroed record and registers it; the two classes differ in name and procedure.
void register_class(const char* name, WNDPROC procedure) {
  WNDCLASSEXA record;
  ZeroMemory(&record, sizeof record);
  record.cbSize = sizeof record;
  record.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  record.lpfnWndProc = procedure;
  record.hInstance = GetModuleHandleA(nullptr);
  record.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  record.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  record.hbrBackground = face_brush();
  record.lpszClassName = name;
  record.hIconSm = LoadIconA(nullptr, IDI_WINLOGO);
  RegisterClassExA(&record);
}

}  // namespace

void register_window_classes() {
  register_class(kDialogWindowClass, dlg_wnd_proc);
  register_class(kMainWindowClass, main_wnd_proc);
}

// The window procedure records the handle in g_main_hwnd while it handles WM_CREATE.
void create_main_window() {
  CreateWindowExA(0, kMainWindowClass, kWindowCaption, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                  CW_USEDEFAULT, CW_USEDEFAULT, kWindowWidth, kWindowHeight, nullptr, nullptr,
                  GetModuleHandleA(nullptr), nullptr);
}

int32_t run_message_loop() {
  MSG message;
  for (;;) {
    int32_t result = GetMessageA(&message, nullptr, 0, 0);
    if (result == 0 || result == -1) return result;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// Without a main window nothing would ever post the quit message and the loop would
// wait for ever, so that case stops the process with a message instead. Every stop is
// shown in a message box.
void app_main() {
  plat_set_stop_notice(show_stop_box);
  rt_init();
  init_string_variables();
  create_gdi_objects();
  register_window_classes();
  create_main_window();
  if (!g_main_hwnd) plat_fatal("Morvane: the main window could not be created");
  run_message_loop();
  plat_flush_coverage();
  ExitProcess(0);  // GCOVR_EXCL_LINE: the counts end at the flush
}

LRESULT CALLBACK dlg_wnd_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcA(window, message, wparam, lparam);
}
