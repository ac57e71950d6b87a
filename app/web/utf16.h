// The web page's edge: a browser's texts are UTF-16 and may hold unpaired surrogates; the
// core's are Unicode characters.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The characters of text, where a pair of surrogates is one character and any other
// surrogate a character of its own. A pair that a selection end splits (at the UTF-16
// offsets anchor or cursor) stays two characters, so that the cut falls where the page
// made it. anchor and cursor come back as offsets in characters, each clamped to the text.
std::u32string unicode_of_utf16(std::u16string_view text, int32_t& anchor, int32_t& cursor);

// The UTF-16 form of text: a character beyond the Basic Multilingual Plane as a pair of
// surrogates, every other one (a lone surrogate included) as one unit.
std::u16string utf16_of_unicode(std::u32string_view text);
