#include "app/gtk/insert_tags.h"

#include <cstdio>

#include "app/core/controls.h"
#include "app/core/tag_command.h"
#include "app/gtk/main_window.h"
#include "app/gtk/text_windows.h"

namespace {

// Names the first character that the click would have to change, and where it stands;
// returns false. With none, clears the message line and returns true.
bool check_faithful(const FieldWindow& start_field, const FieldWindow& end_field,
                    const TextViewWindow& text_view) {
  struct Place {
    const char* name;
    gunichar unfaithful;
  };
  const Place places[] = {{"開始タグ", start_field.unfaithful()},
                          {"終了タグ", end_field.unfaithful()},
                          {"選択範囲", text_view.unfaithful_in_selection()}};
  for (const Place& p : places) {
    if (!p.unfaithful) continue;
    char character[8] = {};
    g_unichar_to_utf8(p.unfaithful, character);
    char message[256];
    std::snprintf(message, sizeof message,
                  "%sの「%s」(U+%04X) は Shift-JIS (コードページ 932) "
                  "で表せないため、何も変更していません。",
                  p.name, character, static_cast<unsigned>(p.unfaithful));
    set_message_line(message);
    return false;
  }
  set_message_line("");
  return true;
}

}  // namespace

// Reads the tags, the selection and the text as code page 932, builds the replacement
// with wrap_selection and hands it to the text view. The four working strings are
// released in the order in which they were made.
void insert_tags() {
  RtString start_tag = str_new(0);
  RtString end_tag = str_new(0);
  int32_t selection_start = 0;
  int32_t selection_end = 0;
  RtString text = str_new(0);
  RtString replacement = str_new(0);

  FieldWindow start_field(control(IDC_START_TAG));
  str_assign(start_tag, str_window_text(&start_field));
  FieldWindow end_field(control(IDC_END_TAG));
  str_assign(end_tag, str_window_text(&end_field));
  TextViewWindow text_view(control(IDC_TEXT));
  text_view.get_selection(&selection_start, &selection_end);
  str_assign(text, str_window_text(&text_view));

  if (check_faithful(start_field, end_field, text_view)) {
    str_assign(replacement,
               wrap_selection(text, selection_start, selection_end, start_tag, end_tag));
    text_view.replace_selection(replacement);
  }

  str_free(start_tag);
  str_free(end_tag);
  str_free(text);
  str_free(replacement);
}
