// The web page's module: the string runtime and the core compiled to WebAssembly, with the
// entry points that the page's script calls (bridge.js). Texts cross as UTF-16 in the
// module's memory, split at the selection by the page, so that no offset crosses.
#include <emscripten.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "app/core/cp932.h"
#include "app/core/refusal_message.h"
#include "app/core/stop_notice.h"
#include "app/core/string_variables.h"
#include "app/core/wrap_unicode_selection.h"
#include "app/web/utf16.h"
#include "runtime/strings/strings.h"

namespace {

// The outcome of the last click: the replacement, or the message line of a refusal.
std::u16string g_outcome;

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

std::u32string unicode(const char16_t* text, uint32_t length) {
  return unicode_of_utf16(std::u16string_view(text, length));
}

}  // namespace

extern "C" {

// Starts the module as the other front-ends' start-up does: the stop notice, the string
// store, then the 32 string variables. Called once, before any click.
void morvane_start() {
  plat_set_stop_notice(show_stop_notice);
  rt_init();
  init_string_variables();
}

// Runs the Insert-tag command on the page's texts, each given as its UTF-16 units and
// their count: the text before the selection, the selection, the text after it, the start
// tag and the end tag. Returns whether the click is refused; morvane_outcome_text then
// holds the message line's text, otherwise the replacement of the selection. The texts
// stay with the caller.
bool morvane_wrap_selection(const char16_t* before, uint32_t before_length,
                            const char16_t* selected, uint32_t selected_length,
                            const char16_t* after, uint32_t after_length,
                            const char16_t* start_tag, uint32_t start_tag_length,
                            const char16_t* end_tag, uint32_t end_tag_length) {
  const TagOutcome outcome = wrap_unicode_selection(
      unicode(before, before_length), unicode(selected, selected_length),
      unicode(after, after_length), unicode(start_tag, start_tag_length),
      unicode(end_tag, end_tag_length));
  g_outcome = utf16_of_unicode(outcome.refused ? refusal_message(outcome.refused, outcome.place)
                                               : outcome.replacement);
  return outcome.refused != 0;
}

// The last click's outcome as UTF-16 units, valid until the next click, and their count.
const char16_t* morvane_outcome_text() { return g_outcome.data(); }
uint32_t morvane_outcome_length() { return static_cast<uint32_t>(g_outcome.size()); }

// For the page's tests: the heap refuses every request after the next allowed ones.
void morvane_refuse_heap_after(int32_t allowed) { plat_heap_refuse_after(allowed); }

}  // extern "C"
