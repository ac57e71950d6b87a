// The web page's module: the string runtime and the core compiled to WebAssembly, with the
// entry points that the page's script calls (bridge.js). Texts cross as UTF-16 in the
// module's memory; offsets count UTF-16 units, as the browser's do.
#include <emscripten.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "app/core/cp932.h"
#include "app/core/insert_tags_unicode.h"
#include "app/core/refusal_message.h"
#include "app/core/stop_notice.h"
#include "app/core/string_variables.h"
#include "app/web/utf16.h"
#include "runtime/strings/strings.h"

namespace {

// What a click does, read by bridge.js field by field: kind kWrap replaces the UTF-16
// units from first up to end with text; kind kRefused changes nothing, and text is the
// message line's.
struct Outcome {
  int32_t kind;
  int32_t first, end;
  uint32_t length;  // of text, in UTF-16 units
  const char16_t* text;
};
constexpr int32_t kWrap = 0;
constexpr int32_t kRefused = 1;

Outcome g_outcome;
std::u16string g_outcome_text;

// The notice goes to the page, which shows it and disables the button; the stop then ends
// the module's run (bridge.js). Formed in static storage: the heap may have run out.
EM_JS(void, show_stop_in_page, (const char16_t* text, int32_t length), {
  Module["onStopNotice"](text, length);
});

void show_stop_notice(const char* message) {
  static char notice[kStopNoticeSize];
  static char16_t utf16[kStopNoticeSize];
  stop_notice_text(message, notice, sizeof notice);
  const size_t count = std::strlen(notice);
  int32_t length = 0;
  for (size_t at = 0; at < count;) {
    const char32_t c = cp932_char(notice, count, at);
    utf16[length++] = c == kNotCp932 ? u'\ufffd' : static_cast<char16_t>(c);
  }
  show_stop_in_page(utf16, length);
}

std::u16string_view view(const char16_t* text, uint32_t length) { return {text, length}; }

}  // namespace

extern "C" {

// Starts the module as the other front-ends' start-up does: the stop notice, the string
// store, then the 32 string variables. Called once, before any click.
void morvane_start() {
  plat_set_stop_notice(show_stop_notice);
  rt_init();
  init_string_variables();
}

// Runs the Insert-tag command on the page's texts: the text (text_length units) with its
// selection between the UTF-16 offsets anchor and cursor, in either order, and the two
// tags. Returns the outcome, which stays valid until the next call; the texts stay with
// the caller.
const Outcome* morvane_insert_tags(const char16_t* text, uint32_t text_length, int32_t anchor,
                                   int32_t cursor, const char16_t* start_tag,
                                   uint32_t start_length, const char16_t* end_tag,
                                   uint32_t end_length) {
  int32_t first = std::min(anchor, cursor), end = std::max(anchor, cursor);
  first = std::clamp<int32_t>(first, 0, static_cast<int32_t>(text_length));
  end = std::clamp<int32_t>(end, 0, static_cast<int32_t>(text_length));
  int32_t no_cut = 0;
  const TagEdit edit =
      insert_tags(unicode_of_utf16(view(text, text_length), anchor, cursor), anchor, cursor,
                  unicode_of_utf16(view(start_tag, start_length), no_cut, no_cut),
                  unicode_of_utf16(view(end_tag, end_length), no_cut, no_cut));
  g_outcome_text = utf16_of_unicode(edit.refused ? refusal_message(edit.refused, edit.place)
                                                 : edit.replacement);
  g_outcome = {edit.refused ? kRefused : kWrap, first, end,
               static_cast<uint32_t>(g_outcome_text.size()), g_outcome_text.data()};
  return &g_outcome;
}

// For the page's tests: the heap refuses every request after the next allowed ones.
void morvane_refuse_heap_after(int32_t allowed) { plat_heap_refuse_after(allowed); }

}  // extern "C"
