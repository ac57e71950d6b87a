// The main window: its controls, found by id, and its message line.
#pragma once

#include <gtk/gtk.h>

// The line under the controls where the window says why a click changed nothing.
constexpr int IDC_MESSAGE_LINE = 1006;

// Returns the main window's control with this id (for IDC_TEXT the text view itself, not
// its scrolled frame); null when there is no such control or no main window. Looked up
// anew at every call, as no control is kept.
GtkWidget* control(int id);

// Shows text (UTF-8) on the message line; the empty text clears it.
void set_message_line(const char* text);
