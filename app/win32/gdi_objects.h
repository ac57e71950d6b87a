// The font and the brush that every window of the program uses: made at start-up,
// deleted when the main window is destroyed.
#pragma once

// g_font := the controls' font, FixedSys with the Shift-JIS character set;
// g_face_brush := the button-face brush, held as a double.
void create_gdi_objects();
// Deletes the font, then the brush.
void release_gdi_objects();
