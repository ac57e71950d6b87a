// The Windows program's globals: static storage, zero at load.
#pragma once

#include <windows.h>

#include "app/core/string_variables.h"

// The font of the six controls.
extern HFONT g_font;
// The button-face brush, held as a double: the handle read as a signed 32-bit integer.
extern double g_face_brush;
// The main window, recorded when it is created.
extern HWND g_main_hwnd;

// Returns the brush handle kept in g_face_brush, converted back by rounding.
HBRUSH face_brush();
