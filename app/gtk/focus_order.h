// A fixed-position container with a Tab order of its own.
#pragma once

#include <gtk/gtk.h>

// Returns a new GtkFixed, floating as gtk_fixed_new's, in which Tab and Shift+Tab move
// the focus through the children given to focus_order_append, in the order given, where
// GTK would order them by position. The arrow keys move as in any GtkFixed.
GtkWidget* focus_order_fixed_new();

// Appends child, a child of fixed, to fixed's Tab order. No reference is kept: children
// leave the order when the container is disposed.
void focus_order_append(GtkWidget* fixed, GtkWidget* child);
