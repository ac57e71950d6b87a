// How desktops know the running program: one id for its desktop entry, its Wayland app
// id, its X11 window class and its icon in the theme; one name for people.
#pragma once

#include <gtk/gtk.h>

// The application's id: its desktop entry's name, Wayland app id, X11 window class and
// icon name.
constexpr char kApplicationId[] = MORVANE_APP_ID;

// Before the display is opened: the program name, which GTK gives the accessibility bus as
// the application's name and X11 as the windows' instance, is "Morvane".
void name_application();
// After gtk_init: kApplicationId as the X11 window class and as the windows' icon, by its
// name in the icon theme.
void name_windows();
