// Start-up, the main loop and the end of the process.
#pragma once

#include <gtk/gtk.h>

#include <cstdint>

// The process entry point: installs the stop notice, initialises the string store and
// the string variables, names the application, opens the display, creates the font and
// the main window and runs the main loop; then ends the process with exit code 0.
// Without a display it stops with exit code 70.
[[noreturn]] void app_main();

// The application's id: its desktop entry's name, Wayland app id, X11 window class and
// icon name.
constexpr char kApplicationId[] = MORVANE_APP_ID;

// Before the display is opened: the program name, which GTK gives the accessibility bus as
// the application's name and X11 as the windows' instance, is "Morvane".
void name_application();

// The steps of start-up after gtk_init, in the order in which app_main runs them.
// name_windows: kApplicationId as the X11 window class and as the windows' icon, by its
// name in the icon theme.
void name_windows();
// A toplevel's "map" handler: on Wayland, kApplicationId as its app id.
void name_toplevel(GtkWidget* window, gpointer);
void create_font();
void create_main_window();
// Dispatches events until the quit is posted; takes the quit and returns 0.
int32_t run_main_loop();

// What the main window does when it is destroyed: release_font, then post the quit.
void on_destroy();
// Takes the font's style off the display and releases it.
void release_font();
