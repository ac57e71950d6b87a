// Start-up, the main loop and the end of the process.
#pragma once

#include <cstdint>

// The process entry point: installs the stop notice, initialises the string store and
// the string variables, opens the display, creates the font and the main window and runs
// the main loop; then ends the process with exit code 0. Without a display it stops with
// exit code 70.
[[noreturn]] void app_main();

// The steps of start-up after gtk_init, in the order in which app_main runs them.
void create_font();
void create_main_window();
// Dispatches events until the quit is posted; takes the quit and returns 0.
int32_t run_main_loop();

// What the main window does when it is destroyed: release_font, then post the quit.
void on_destroy();
// Takes the font's style off the display and releases it.
void release_font();
