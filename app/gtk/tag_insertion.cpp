#include "app/gtk/tag_insertion.h"

#include <utility>

#include "app/core/tag_command.h"
#include "app/gtk/cp932.h"
#include "app/gtk/text_windows.h"

namespace {

// Sets the refused character and its place from the first of the three that holds one.
void find_refusal(const FieldWindow& start_field, const FieldWindow& end_field,
                  const TextViewWindow& text_view, TagInsertion& edit) {
  const std::pair<char32_t, TagPlace> places[] = {
      {start_field.unfaithful(), TagPlace::kStartTag},
      {end_field.unfaithful(), TagPlace::kEndTag},
      {text_view.unfaithful_in_selection(), TagPlace::kSelection}};
  for (const auto& p : places) {
    if (!p.first) continue;
    edit.refused = p.first;
    edit.place = p.second;
    return;
  }
}

// Every byte of the replacement came from characters that read back unchanged, so its
// conversion cannot fail.
std::string utf8_of_replacement(RtString replacement) {
  size_t count = static_cast<size_t>(str_length(replacement));
  std::string utf8(count * 3 + 1, '\0');
  ptrdiff_t written = utf8_from_cp932(replacement, count, &utf8[0], utf8.size());
  if (written < 0) plat_fatal("Morvane: the replacement is not code page 932 text");
  utf8.resize(static_cast<size_t>(written));
  return utf8;
}

}  // namespace

// Reads the tags, the selection and the text as code page 932 and builds the replacement
// with wrap_selection. The four working strings are released in the order in which they
// were made.
TagInsertion tag_insertion(std::string_view text, int anchor, int cursor,
                           std::string_view start_tag, std::string_view end_tag) {
  RtString start_string = str_new(0);
  RtString end_string = str_new(0);
  int32_t selection_start = 0;
  int32_t selection_end = 0;
  RtString text_string = str_new(0);
  RtString replacement = str_new(0);

  FieldWindow start_field(start_tag);
  str_assign(start_string, str_window_text(&start_field));
  FieldWindow end_field(end_tag);
  str_assign(end_string, str_window_text(&end_field));
  TextViewWindow text_view(text, anchor, cursor);
  text_view.get_selection(&selection_start, &selection_end);
  str_assign(text_string, str_window_text(&text_view));

  TagInsertion edit;
  find_refusal(start_field, end_field, text_view, edit);
  if (!edit.refused) {
    str_assign(replacement, wrap_selection(text_string, selection_start, selection_end,
                                           start_string, end_string));
    edit.first = text_view.first_char();
    edit.end = text_view.end_char();
    edit.replacement = utf8_of_replacement(replacement);
  }

  str_free(start_string);
  str_free(end_string);
  str_free(text_string);
  str_free(replacement);
  return edit;
}
