// The Insert-tag command over Unicode texts, for the front-ends whose controls hold them
// (GTK, the web page): the texts go to the string runtime as code page 932, and the
// replacement comes back as Unicode. No window, no toolkit: it runs anywhere the string
// runtime does.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Where the character stands that stops a click.
enum class TagPlace { kStartTag, kEndTag, kSelection };

// What a click does to the text: replaces the characters from first up to (not
// including) end with replacement, or, when refused is set, nothing at all.
struct TagEdit {
  size_t first = 0, end = 0;  // in characters, first <= end
  std::u32string replacement;
  // The first character that code page 932 cannot carry faithfully, looked for in the
  // start tag, the end tag and the selection in that order; 0 when there is none.
  char32_t refused = 0;
  TagPlace place = TagPlace::kSelection;
};

// Returns the edit that wraps the selection of text in start_tag and end_tag, through the
// command's one order (insert_tags.h). The selection runs between the character offsets
// anchor and cursor, in either order; an offset outside the text counts as its nearer
// end. The three texts stay with the caller; the runtime strings that it makes are
// released before it returns.
TagEdit insert_tags(std::u32string_view text, int anchor, int cursor, std::u32string_view start_tag,
                    std::u32string_view end_tag);
