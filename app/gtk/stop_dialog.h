// How the GTK program shows why it stops.
#pragma once

// The stop notice of the GTK program: a modal dialog over the main window, captioned
// "Morvane", with the notice's two lines and an OK button. The main window is made
// insensitive, so no click reaches the program while it stops. Returns when the dialog
// is dismissed or the main window closed; at once when there is no main window (before
// start-up has opened the display, or after the window is gone).
void show_stop_dialog(const char* message);
