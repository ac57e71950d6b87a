// The web page's edge: a browser's texts are UTF-16 and may hold unpaired surrogates; the
// core's are Unicode characters.
#pragma once

#include <string>
#include <string_view>

// The characters of text, where a pair of surrogates is one character and any other
// surrogate a character of its own.
std::u32string unicode_of_utf16(std::u16string_view text);

// The UTF-16 form of text: a character beyond the Basic Multilingual Plane as a pair of
// surrogates, every other one (a lone surrogate included) as one unit.
std::u16string utf16_of_unicode(std::u32string_view text);
