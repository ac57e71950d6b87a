// The main window: a GtkApplicationWindow that makes and owns the six controls of the
// layout and runs the Insert-tag command when its button is clicked.
#pragma once

#include <gtk/gtk.h>

G_BEGIN_DECLS
#define MORVANE_TYPE_WINDOW (morvane_window_get_type())
// GLib's type checks, with branches of their own.
G_DECLARE_FINAL_TYPE(MorvaneWindow, morvane_window,  // GCOVR_EXCL_BR_LINE
                     MORVANE, WINDOW, GtkApplicationWindow)
G_END_DECLS

// Returns the program's main window among the toplevels; null when there is none, as
// before the display is opened or after the window is gone.
GtkWindow* morvane_window_find();

// Returns a new main window of application, captioned and sized as the layout says, with
// its controls at their places; not yet shown. The application holds it.
GtkWidget* morvane_window_new(GtkApplication* application);
