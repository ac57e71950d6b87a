// The Insert-tag command of the GTK program.
#pragma once

#include "app/core/insert_tags_unicode.h"

// Wraps the current selection of the main window's text in the two tags that its tag
// fields hold, or, when the selection or a tag holds a character that code page 932
// cannot carry faithfully, changes nothing and names that character on the message line.
// Releases every string that it makes.
void insert_tags();

// The command on the UTF-8 texts of the widgets, without them: what insert_tags computes
// between reading the widgets and writing the text. The selection runs between the
// character offsets anchor and cursor, in either order. The texts stay with the caller.
TagEdit insert_tags_utf8(const char* text, int anchor, int cursor, const char* start_tag,
                         const char* end_tag);
