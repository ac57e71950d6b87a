// The Insert-tag command over the GTK program's widgets.
#pragma once

#include <gtk/gtk.h>

#include <string>

#include "app/core/wrap_unicode_selection.h"

// Wraps the selection of buffer in start_tag and end_tag (the tag fields' UTF-8 texts),
// leaving no undo record and the caret after the insertion; or, when the selection or a
// tag holds a character that code page 932 cannot carry faithfully, changes nothing.
// Returns what the message line says: why the click changed nothing, or the empty text.
// Releases every runtime string that it makes.
std::string wrap_buffer_selection(GtkTextBuffer* buffer, const char* start_tag,
                                  const char* end_tag);

// The command on UTF-8 texts, without the widgets: what wrap_buffer_selection computes
// between reading the widgets and writing the buffer. The texts stay with the caller.
TagOutcome wrap_utf8_selection(const char* before, const char* selected, const char* after,
                               const char* start_tag, const char* end_tag);
