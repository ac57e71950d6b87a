// Start-up, the main loop and the end of the process.
#pragma once

#include <cstdint>

// The process entry point: installs the stop notice, initialises the string store and
// the string variables, names the application, opens the display, creates the style and
// the main window and runs the main loop; then ends the process with exit code 0.
// Without a display it stops with exit code 70.
[[noreturn]] void app_main();

// Dispatches events until the main window is gone (g_quit_posted); takes the quit and
// returns 0.
int32_t run_main_loop();
