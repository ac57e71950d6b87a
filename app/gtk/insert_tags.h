// The Insert-tag command of the GTK program.
#pragma once

// Wraps the current selection of the main window's text in the two tags that its tag
// fields hold, or, when the selection or a tag holds a character that code page 932
// cannot carry faithfully, changes nothing and names that character on the message line.
// Releases every string that it makes.
void insert_tags();
