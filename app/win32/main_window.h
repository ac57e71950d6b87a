// The main window: its procedure and the halves of a WM_COMMAND wParam.
#pragma once

#include <windows.h>

#include <cstdint>

// Window procedure of "NORMAL0": builds the controls on WM_CREATE, runs the Insert-tag
// command on a click of its button, destroys the window on WM_CLOSE and ends the program
// on WM_DESTROY; everything else goes to DefWindowProcA.
LRESULT CALLBACK main_wnd_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// The upper and the lower 16 bits of a 32-bit value.
inline uint16_t hiword(uint32_t value) { return static_cast<uint16_t>(value / 65536u); }
inline uint16_t loword(uint32_t value) { return static_cast<uint16_t>(value & 0xFFFFu); }
