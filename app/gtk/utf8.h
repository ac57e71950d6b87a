// The GTK front-end's edge: GTK's texts are UTF-8; the core's are Unicode characters and
// code page 932 (app/core/cp932.h). GLib does the UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The characters of a well-formed NUL-terminated UTF-8 text, as GTK's widgets hold it.
std::u32string unicode_of_utf8(const char* utf8);

// The UTF-8 form of text, which holds Unicode scalar values only.
std::string utf8_of_unicode(std::u32string_view text);

// Writes the UTF-8 form of count bytes of code page 932 text into out, which holds size
// bytes, and a NUL after it. Returns the number of bytes written before the NUL, or -1
// when the text holds bytes that are no character of the table or out is too small (three
// bytes a byte always suffice). Allocates nothing, so that it serves when the heap has
// run out.
ptrdiff_t utf8_from_cp932(const char* text, size_t count, char* out, size_t size);

// The UTF-8 form of a NUL-terminated code page 932 text made of the table's characters.
std::string utf8_of_cp932(const char* text);
