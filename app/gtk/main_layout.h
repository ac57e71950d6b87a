// The main window's content: the controls stand at the layout's places while the window
// has its default size, which is also its least. Room beyond it goes to the text
// (kGrowingControl), and everything below the text moves down with the text's bottom
// edge, keeping its size.
// Tab and Shift+Tab go through the controls in reading order (kTabOrder), where GTK would
// order them by position.
#pragma once

#include <gtk/gtk.h>

#include "app/core/layout.h"

// Returns a new, floating container for the controls of the main window.
GtkWidget* main_layout_new();

// Puts child, which stands for the control of place, into layout: each of the six
// controls once, in the layout's order. The layout keeps the place, which must outlive it.
void main_layout_put(GtkWidget* layout, GtkWidget* child, const ControlPlace& place);
