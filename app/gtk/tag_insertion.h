// The Insert-tag command of the GTK program as a plain computation over the texts that its
// widgets hold: no window, no GTK, so that it runs anywhere the string runtime does.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Where the character stands that stops a click.
enum class TagPlace { kStartTag, kEndTag, kSelection };

// What a click does to the text: replaces the characters from first up to (not including)
// end with replacement, or, when refused is set, nothing at all.
struct TagInsertion {
  size_t first = 0, end = 0;  // in characters, first <= end
  std::string replacement;    // UTF-8
  // The first character that code page 932 cannot carry faithfully, looked for in the
  // start tag, the end tag and the selection in that order; 0 when there is none.
  char32_t refused = 0;
  TagPlace place = TagPlace::kSelection;
};

// Returns the edit that wraps the selection of text in start_tag and end_tag. The
// selection runs between the character offsets anchor and cursor, in either order; an
// offset outside the text counts as its nearer end. All three texts are UTF-8 and stay
// with the caller. The runtime strings that it makes are released before it returns.
TagInsertion tag_insertion(std::string_view text, int anchor, int cursor,
                           std::string_view start_tag, std::string_view end_tag);
