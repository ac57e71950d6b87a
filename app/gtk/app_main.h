// Start-up, the main loop and the end of the process.
#pragma once

#include <cstdint>

// The process entry point: installs the stop notice, initialises the string store and
// the string variables, names the application, opens the display, creates the style and
// the main window and runs the main loop; then ends the process with exit code 0.
// Without a display it stops with exit code 70.
[[noreturn]] void app_main();

// Gives the six controls their one monospaced font, and the tag fields and the button
// the room they need in their places, as a style for the whole display.
void create_style();
// Dispatches events until the quit is posted; takes the quit and returns 0.
int32_t run_main_loop();

// What the main window does when it is destroyed: release_style, then post the quit.
void on_destroy();
// Takes the style off the display and releases it.
void release_style();
