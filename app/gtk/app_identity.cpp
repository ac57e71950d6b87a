#include "app/gtk/app_identity.h"

#include <gdk/x11/gdkx.h>

#include "app/core/layout.h"

// The name people know it by, its caption. GTK 4.8 gives the accessibility bus the
// program name as the application's name, and X11 the same name as the windows' instance.
void name_application() { g_set_prgname(kWindowCaption); }

// GDK would derive the X11 class from the program name; the desktop entry's
// StartupWMClass needs the id.
void name_windows() {
  GdkDisplay* display = gdk_display_get_default();
  const bool x11 = GDK_IS_X11_DISPLAY(display);  // GCOVR_EXCL_BR_LINE: GLib's own branches
  if (x11) gdk_x11_display_set_program_class(display, kApplicationId);
  gtk_window_set_default_icon_name(kApplicationId);
}
