// The web page's module: the string runtime and the core compiled to WebAssembly, with the
// entry points that the page's script calls (bridge.js). Texts cross as UTF-16 in the
// module's memory.
#include <emscripten.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "app/core/stop_notice.h"
#include "app/core/string_variables.h"
#include "app/web/insert_tags.h"
#include "runtime/strings/strings.h"

namespace {

// The replacement of the last click.
std::u16string g_replacement;

// The notice goes to the page as its code page 932 bytes, which the page decodes, shows
// and follows by disabling the button; the stop then ends the module's run (bridge.js).
// Formed in static storage: the runtime's heap may have run out.
EM_JS(void, show_stop_in_page, (const char* notice, int32_t length), {
  Module["onStopNotice"](notice, length);
});

void show_stop_notice(const char* message) {
  static char notice[kStopNoticeSize];
  stop_notice_text(message, notice, sizeof notice);
  show_stop_in_page(notice, static_cast<int32_t>(std::strlen(notice)));
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

// Runs the Insert-tag command on the page's text, text_length UTF-16 units at text, whose
// units first to end are selected (first <= end <= text_length), and on the two tags, each
// given as its units and their count. morvane_replacement_text then holds what replaces
// the selected units. The texts stay with the caller.
void morvane_insert_tags(const char16_t* text, uint32_t text_length, uint32_t first, uint32_t end,
                         const char16_t* start_tag, uint32_t start_tag_length,
                         const char16_t* end_tag, uint32_t end_tag_length) {
  g_replacement = insert_tags(std::u16string_view(text, text_length), first, end,
                              std::u16string_view(start_tag, start_tag_length),
                              std::u16string_view(end_tag, end_tag_length));
}

// The last click's replacement as UTF-16 units, valid until the next click, and their
// count.
const char16_t* morvane_replacement_text() { return g_replacement.data(); }
uint32_t morvane_replacement_length() { return static_cast<uint32_t>(g_replacement.size()); }

// For the page's tests: the heap refuses every request after the next allowed ones.
void morvane_refuse_heap_after(int32_t allowed) { plat_heap_refuse_after(allowed); }

}  // extern "C"
