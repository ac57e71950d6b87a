#include "app/win32/gdi_objects.h"

#include "app/win32/globals.h"

void create_gdi_objects() {
  g_font = CreateFontA(-19, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, OUT_STRING_PRECIS,
                       CLIP_STROKE_PRECIS, DRAFT_QUALITY, FIXED_PITCH | FF_DONTCARE, "FixedSys");
  // Held as a double (docs/deliberate.md, "The brush held as a double").
  HBRUSH brush = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
  g_face_brush = static_cast<double>(static_cast<int32_t>(reinterpret_cast<intptr_t>(brush)));
}

void release_gdi_objects() {
  DeleteObject(g_font);
  DeleteObject(face_brush());
}
