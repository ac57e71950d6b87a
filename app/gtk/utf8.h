// The program's own fixed texts (the layout's labels, the stop notice) are code page 932
// bytes; GTK shows UTF-8. The person's text is never converted: it stays GTK's UTF-8.
#pragma once

#include <string>

// The UTF-8 form of a NUL-terminated code page 932 text; the empty text where the text
// is not code page 932.
std::string utf8_of_cp932(const char* text);
