// The Insert-tag command of the Windows program.
#pragma once

// Wraps the current selection of the main window's text edit in the two tags that its
// tag fields hold, through the command's one order (app/core/tag_command.h). Releases
// every string that it makes.
void insert_tags();
