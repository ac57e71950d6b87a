// How the Windows program shows why it stops.
#pragma once

// The stop notice of the Windows program: a message box with the caption "Morvane", an
// error icon and OK, owned by the main window while there is one. The box disables the
// window against new clicks, but its own loop dispatches a click already queued
// (docs/deliberate.md, "A stop leaves the lock and closes the heap"). Returns when the box
// is closed, or at once when it cannot be shown.
void show_stop_box(const char* message);
