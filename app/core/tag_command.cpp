#include "app/core/tag_command.h"

#include "app/core/wrap_selection.h"

void TagControls::to_byte_positions(RtString, int32_t*, int32_t*) {}

// Each working string starts as an empty string that its first value replaces
// (docs/deliberate.md, "Empty strings made and replaced"); the selection is asked for
// before the text is read.
void insert_tags(TagControls& controls) {
  RtString start_tag = str_new(0);
  RtString end_tag = str_new(0);
  int32_t selection_start = 0;
  int32_t selection_end = 0;
  RtString text = str_new(0);
  RtString replacement = str_new(0);

  str_assign(start_tag, str_window_text(controls.start_tag_field()));
  str_assign(end_tag, str_window_text(controls.end_tag_field()));
  controls.get_selection(&selection_start, &selection_end);
  str_assign(text, str_window_text(controls.text_edit()));
  controls.to_byte_positions(text, &selection_start, &selection_end);
  str_assign(replacement, wrap_selection(text, selection_start, selection_end, start_tag, end_tag));
  controls.replace_selection(replacement);

  str_free(start_tag);
  str_free(end_tag);
  str_free(text);
  str_free(replacement);
}
