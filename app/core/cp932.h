// Code page 932 for the front-ends whose texts are Unicode (GTK, the web page): the one
// table of the characters that code page 932 carries and gives back unchanged, made at
// build time from the build machine's iconv (make_cp932_table.cpp). Plain code, no
// platform call.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Stands in the code page 932 text for a character that code page 932 cannot carry
// faithfully: 〓 (U+3013), the two bytes 81 AC.
constexpr char kPlaceholder[] = "\x81\xac";

// What cp932_char gives for bytes that are not the form of any character of the table.
constexpr char32_t kNotCp932 = 0xffffffff;

// Returns the code page 932 form of c, one byte (below 0x100) or lead * 256 + trail, when
// that form reads back as c; -1 when c has no form (é, emoji, anything beyond the Basic
// Multilingual Plane, a surrogate) or one that reads back as another character (U+00A5
// comes back as U+005C, U+2016 as U+2225, U+301C as U+FF5E, ...).
int cp932_form(char32_t c);

// Appends the code page 932 form of each character of text to out; a character without
// a faithful form is appended as kPlaceholder instead. Returns the first such character,
// 0 when there is none.
char32_t append_cp932(std::u32string_view text, std::string& out);

// Returns the character whose form begins at byte at of the count bytes of text
// (at < count), and moves at past that form; kNotCp932, moving at by one byte, when no
// character of the table has the form found there. Allocates nothing.
char32_t cp932_char(const char* text, size_t count, size_t& at);

// Appends the characters of count bytes of code page 932 text to out. Returns false, with
// U+FFFD appended for each byte that begins no form, when the text holds bytes that no
// character of the table gives.
bool append_unicode(const char* text, size_t count, std::u32string& out);
