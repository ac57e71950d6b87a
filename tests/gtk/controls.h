// The GTK program's controls as its tests and its benchmark find them, from outside: in
// the main window's content.
#pragma once

#include <gtk/gtk.h>

#include "app/core/layout.h"
#include "app/gtk/main_window.h"

// The program's main window; null when there is none.
inline GtkWindow* main_window() { return morvane_window_find(); }
// The main window's control with this id (for IDC_TEXT the text view, not its scrolled
// frame), found as the window's content holds them, in the layout's order; null for any
// other id or without a main window.
inline GtkWidget* control(int id) {
  GtkWindow* window = morvane_window_find();
  GtkWidget* widget = window ? gtk_widget_get_first_child(gtk_window_get_child(window)) : nullptr;
  for (const ControlPlace& c : kControls) {
    if (!widget || c.id == id) break;
    widget = gtk_widget_get_next_sibling(widget);
  }
  if (widget && id == IDC_TEXT) return gtk_scrolled_window_get_child(GTK_SCROLLED_WINDOW(widget));
  return place_of(id) ? widget : nullptr;
}
