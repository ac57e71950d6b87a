// The Insert-tag command over the GTK program's text buffer and tag fields.
#pragma once

#include <gtk/gtk.h>

// Runs the command (app/core/tag_command.h) once: the selection of buffer becomes
// start_tag + selection + end_tag, where the tags are the tag fields' UTF-8 texts, read
// when the command asks for them. Leaves no undo record and the caret after the
// insertion; nothing else in the buffer changes. The runtime's strings hold the UTF-8
// bytes, and every one that the command makes is released before it returns.
void insert_tags(GtkTextBuffer* buffer, const char* start_tag, const char* end_tag);
