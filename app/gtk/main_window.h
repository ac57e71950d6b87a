// The main window: its making, its controls found by id, and its message line.
#pragma once

#include <gtk/gtk.h>

// Creates and presents the main window with its six controls and the message line below
// them, at the layout's places, and records it in g_main_window.
void create_main_window();

// Returns the main window's control with this id (for IDC_TEXT the text view itself, not
// its scrolled frame); null when there is no such control or no main window. Looked up
// anew at every call, as no control is kept.
GtkWidget* control(int id);

// Shows text (UTF-8) on the message line; the empty text clears it.
void set_message_line(const char* text);
