#include "app/win32/globals.h"

HFONT g_font;
double g_face_brush;
HWND g_main_hwnd;

// The stored value is a whole number, so rounding gives back the very handle stored
// (docs/deliberate.md, "The brush held as a double").
HBRUSH face_brush() {
  double rounded = g_face_brush < 0 ? g_face_brush - 0.5 : g_face_brush + 0.5;
  return reinterpret_cast<HBRUSH>(static_cast<intptr_t>(static_cast<int32_t>(rounded)));
}
