// The application's globals: static storage, zero at load.
#pragma once

#include "runtime/strings/strings.h"

constexpr int kStringVariableCount = 32;

// The application's string variables; each holds an empty string from start-up on.
extern RtString g_string_vars[kStringVariableCount];
// The font of the six controls.
extern HFONT g_font;
// The button-face brush, held as a double: the handle read as a signed 32-bit integer.
extern double g_face_brush;
// The main window, recorded when it is created.
extern HWND g_main_hwnd;

// Returns the brush handle kept in g_face_brush, converted back by rounding.
HBRUSH face_brush();
