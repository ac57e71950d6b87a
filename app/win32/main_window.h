// The main window: its class and its procedure.
#pragma once

#include <windows.h>

// The main window's class; outside tools find the window by it and its caption.
inline constexpr char kMainWindowClass[] = "NORMAL0";

// Window procedure of "NORMAL0": builds the controls on WM_CREATE, runs the Insert-tag
// command on a click of its button, destroys the window on WM_CLOSE and ends the program
// on WM_DESTROY; everything else goes to DefWindowProcA.
LRESULT CALLBACK main_wnd_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
