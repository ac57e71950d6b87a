// libFuzzer target for the Insert-tag command as the GTK program and the web page run it,
// on clicks drawn by click_input.h: texts and tags of any code points. The page's command
// gets the click as UTF-16, lone surrogates and selection ends that split a pair included;
// the GTK program's gets it in a text buffer, with the selection in characters, where the
// buffer can hold the texts (no NUL, no surrogate). Against a plain reference: every unit
// outside the selection stays, the selected units come back exactly between the tags, and
// every string that the command makes is released.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "app/web/insert_tags.h"
#include "fuzz/front_end_clicks.h"
#include "fuzz/fuzz_report.h"
#include "fuzz/runtime_target.h"
#include "runtime/strings/strings.h"

namespace {

template <typename Text>
std::string units(const Text& text) {
  std::string out = "'";
  for (size_t i = 0; i < text.size() && i < 40; i++) {
    char code[12];
    std::snprintf(code, sizeof code, "%s%04X", i ? " " : "",
                  static_cast<unsigned>(static_cast<uint32_t>(text[i]) & 0xffffff));
    out += code;
  }
  return out + (text.size() > 40 ? " ...'" : "'");
}

void expect_released(int32_t live, const std::string& click) {
  if (rt_registry().count != live || !fuzz_record().take().empty()) {
    fuzz_fail(click + ": the strings made are not all released, or one released twice");
  }
}

// The page's click: its ends are UTF-16 offsets, kept within the text as the page's
// bridge keeps them.
void check_page_click(const UnicodeClick& click) {
  const std::u16string text = utf16_of(click.text), start_tag = utf16_of(click.start_tag),
                       end_tag = utf16_of(click.end_tag);
  const int length = static_cast<int>(text.size());
  const int anchor = click.anchor_code % (length + 3) - 1,
            cursor = click.cursor_code % (length + 3) - 1;
  const size_t first = std::clamp(std::min(anchor, cursor), 0, length);
  const size_t end = std::clamp(std::max(anchor, cursor), 0, length);
  const int32_t live = rt_registry().count;
  const std::u16string replacement = insert_tags(text, first, end, start_tag, end_tag);
  const std::string what = "page: text " + units(text) + ", units " + std::to_string(first) +
                           " to " + std::to_string(end) + ", tags " + units(start_tag) + " and " +
                           units(end_tag);
  expect_released(live, what);
  const std::u16string expected = start_tag + text.substr(first, end - first) + end_tag;
  if (replacement != expected) {
    fuzz_fail(what + ": expected " + units(expected) + ", got " + units(replacement));
  }
}

// The GTK program's click: its ends are characters of the buffer.
void check_gtk_click(const UnicodeClick& click) {
  if (!gtk_can_hold(click.text + click.start_tag + click.end_tag)) return;
  static GtkTextBuffer* const buffer = gtk_text_buffer_new(nullptr);
  const int length = static_cast<int>(click.text.size());
  const int first = std::clamp(std::min(click.anchor, click.cursor), 0, length);
  const int end = std::clamp(std::max(click.anchor, click.cursor), 0, length);
  const int32_t live = rt_registry().count;
  const std::string actual = click_in_buffer(buffer, click);
  const std::string what = "GTK: text " + units(click.text) + ", characters " +
                           std::to_string(first) + " to " + std::to_string(end) + ", tags " +
                           units(click.start_tag) + " and " + units(click.end_tag);
  expect_released(live, what);
  const std::string expected =
      utf8_of(click.text.substr(0, first) + click.start_tag +
              click.text.substr(first, end - first) + click.end_tag + click.text.substr(end));
  if (actual != expected) fuzz_fail(what + ": expected " + expected + ", got " + actual);
}

}  // namespace

void fuzz_one_input(FuzzInput& in) {
  const UnicodeClick click = take_click(in);
  check_page_click(click);
  check_gtk_click(click);
}
