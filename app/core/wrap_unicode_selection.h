// The Insert-tag command for the front-ends whose texts are Unicode (GTK, the web page):
// the texts go to the command (tag_command.h) as code page 932, and the replacement comes
// back as Unicode. No window, no toolkit: it runs anywhere the string runtime does.
#pragma once

#include <string>
#include <string_view>

// Where the character stands that stops a click.
enum class TagPlace { kStartTag, kEndTag, kSelection };

// What a click does: replaces the selection with replacement, or, when refused is set,
// nothing at all.
struct TagOutcome {
  std::u32string replacement;
  // The first character that code page 932 cannot carry faithfully, looked for in the
  // start tag, the end tag and the selection in that order; 0 when there is none.
  char32_t refused = 0;
  TagPlace place = TagPlace::kSelection;
};

// Returns what a click does to the text before + selected + after: selected wrapped in
// start_tag and end_tag, as the string runtime computes it from their code page 932
// forms. Everything else stays as it is, whatever characters it holds. The texts stay
// with the caller; the runtime strings that it makes are released before it returns.
TagOutcome wrap_unicode_selection(std::u32string_view before, std::u32string_view selected,
                                  std::u32string_view after, std::u32string_view start_tag,
                                  std::u32string_view end_tag);
