// Start-up, the application and the end of the process.
#pragma once

#include <gtk/gtk.h>

// The process entry point: installs the stop notice, initialises the string store and
// the string variables, names the application, opens the display, then runs the
// application until its window is closed and ends the process with exit code 0. Without
// a display it stops with exit code 70.
[[noreturn]] void app_main();

// Returns a new application with Morvane's id. At its start-up it names the windows for
// the desktop and gives the display the controls' style; at its first activation it makes
// the main window, and at any later one (a second start, handed over by the session bus)
// it shows the window again. The caller owns it.
GtkApplication* create_application();
