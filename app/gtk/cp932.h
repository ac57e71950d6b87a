// Code page 932 at the edge of the GTK front-end: GTK's texts are UTF-8, the runtime's
// strings hold code page 932. Plain functions over the standard library, GLib and iconv.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Stands in the code page 932 text for a character that code page 932 cannot carry
// faithfully: 〓 (U+3013), the two bytes 81 AC.
constexpr char kPlaceholder[] = "\x81\xac";

// Returns the character of utf8 that begins at byte at (at < utf8.size()) and moves at
// past it. A byte that does not begin a well-formed sequence is one character, U+FFFD.
char32_t next_char(std::string_view utf8, size_t& at);

// Returns the byte position count characters after byte position at, or the end of utf8
// where fewer follow; count is left holding the characters passed.
size_t skip_chars(std::string_view utf8, size_t at, size_t& count);

// Appends the code page 932 form of the UTF-8 text to out, character by character. A
// character with no code page 932 form, or whose form reads back as another character
// (U+00A5 comes back as U+005C, U+2016 as U+2225, ...), is appended as kPlaceholder
// instead. Returns the first such character, 0 when there is none.
char32_t append_cp932(std::string_view utf8, std::string& out);

// Writes the UTF-8 form of count bytes of code page 932 text into out, which holds size
// bytes, and a NUL after it. Returns the number of bytes written before the NUL, or -1
// when the text is not code page 932 or out is too small (three bytes a byte always
// suffice). Allocates nothing once the first conversion has run.
ptrdiff_t utf8_from_cp932(const char* text, size_t count, char* out, size_t size);
