// Start-up, the message loop and the end of the process.
#pragma once

#include <windows.h>

#include <cstdint>

// The class that is registered and never used (docs/deliberate.md, "The class nobody
// uses").
inline constexpr char kDialogWindowClass[] = "NORMALDLG";

// The process entry point: initialises the string store and the string variables,
// creates the font and the brush, registers the window classes, creates the main window
// and runs the message loop; then ends the process with exit code 0.
[[noreturn]] void app_main();

// The steps of start-up after create_gdi_objects, in the order in which app_main runs them.
void register_window_classes();
void create_main_window();
// Fetches and dispatches messages until GetMessageA returns 0 or -1; returns that value.
int32_t run_message_loop();

// Window procedure of "NORMALDLG": everything goes to DefWindowProcA.
LRESULT CALLBACK dlg_wnd_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
