// The GTK program's globals: static storage, null at load.
#pragma once

#include <gtk/gtk.h>

#include "app/core/layout.h"
#include "app/core/string_variables.h"

// The style of the display: the controls' one monospaced font and their paddings.
extern GtkCssProvider* g_style;
// The main window, recorded when it is created and cleared when it is destroyed.
extern GtkWidget* g_main_window;
// Its six controls in the layout's order (for the text, the text view, not its scrolled
// frame) and its message line; held while the window lives, null before and after.
extern GtkWidget* g_controls[kControlCount];
extern GtkWidget* g_message_line;
