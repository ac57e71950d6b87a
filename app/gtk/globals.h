// The GTK program's globals: static storage, null at load.
#pragma once

#include <gtk/gtk.h>

#include "app/core/string_variables.h"

// The style of the display: the controls' one monospaced font and their paddings.
extern GtkCssProvider* g_style;
// The main window, recorded when it is created and cleared when it is destroyed.
extern GtkWidget* g_main_window;
// Set when the main window is gone; the main loop ends on it.
extern bool g_quit_posted;
