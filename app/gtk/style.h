// The style of the display: the controls' one monospaced font and their paddings.
#pragma once

#include <gtk/gtk.h>

// Gives display a style that sets the controls' one monospaced font, and the tag fields
// and the button the room they need in their places. The display keeps it.
void add_style(GdkDisplay* display);
