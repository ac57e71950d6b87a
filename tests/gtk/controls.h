// The GTK program's main window and its controls as its tests and its benchmark find them,
// from outside: the window among the toplevels, the controls in its content.
#pragma once

#include <gtk/gtk.h>

// The program's main window; null when there is none.
GtkWindow* main_window();
// The main window's control with this id (for IDC_TEXT the text view, not its scrolled
// frame), found as the window's content holds them, in the layout's order; null for any
// other id or without a main window.
GtkWidget* control(int id);
