// The style of the display: the controls' one monospaced font and their paddings.
#pragma once

// g_style := a style for the whole display that gives the six controls their one
// monospaced font, and the tag fields and the button the room they need in their places.
void create_style();
// Takes the style off the display and releases it.
void release_style();
