#include "tests/gtk/controls.h"

#include "app/core/layout.h"
#include "app/gtk/main_window.h"

GtkWindow* main_window() {
  GListModel* windows = gtk_window_get_toplevels();
  for (guint i = 0; i < g_list_model_get_n_items(windows); ++i) {
    GtkWindow* window = GTK_WINDOW(g_list_model_get_item(windows, i));
    g_object_unref(window);
    if (MORVANE_IS_WINDOW(window)) return window;
  }
  return nullptr;
}

GtkWidget* control(int id) {
  GtkWindow* window = main_window();
  GtkWidget* widget = window ? gtk_widget_get_first_child(gtk_window_get_child(window)) : nullptr;
  for (const ControlPlace& c : kControls) {
    if (!widget || c.id == id) break;
    widget = gtk_widget_get_next_sibling(widget);
  }
  if (widget && id == IDC_TEXT) return gtk_scrolled_window_get_child(GTK_SCROLLED_WINDOW(widget));
  return place_of(id) ? widget : nullptr;
}
