// The main window: its making, its controls and its message line.
#pragma once

#include <gtk/gtk.h>

// Creates and presents the main window of application with its six controls and the
// message line below them, at the layout's places, and records it and them in the globals.
void create_main_window(GtkApplication* application);

// Returns the main window's control with this id, of the six or the message line (for
// IDC_TEXT the text view itself, not its scrolled frame); null for any other id and when
// there is no main window.
GtkWidget* control(int id);

// Shows text (UTF-8) on the message line; the empty text clears it.
void set_message_line(const char* text);
