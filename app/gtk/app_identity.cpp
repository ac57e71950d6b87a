// How desktops know the running program: one id for its desktop entry, its Wayland app
// id, its X11 window class and its icon in the theme.
#include <gdk/x11/gdkx.h>
#include <gtk/gtk.h>

#include "app/gtk/startup.h"

void name_application() { g_set_prgname(kApplicationId); }

// GDK derives the X11 class from the program name with its first letter in upper case;
// the desktop entry's StartupWMClass needs it exactly as the id is written.
void name_windows() {
  GdkDisplay* display = gdk_display_get_default();
  if (GDK_IS_X11_DISPLAY(display)) gdk_x11_display_set_program_class(display, kApplicationId);
  gtk_window_set_default_icon_name(kApplicationId);
}
