#include <algorithm>

#include "runtime/strings/registry.h"

namespace {

// Sent, as these bytes of code page 932, on the release of a handle that the registry
// does not hold: 未知の文字列が解放されようとしました。/return
const char kUnknownStringReport[] =
    "\x96\xa2\x92\x6d\x82\xcc\x95\xb6\x8e\x9a\x97\xf1\x82\xaa\x89\xf0\x95\xfa\x82\xb3"
    "\x82\xea\x82\xe6\x82\xa4\x82\xc6\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81\x42"
    "/return";

}  // namespace

// Searches the slots from the oldest; a found string is freed and the later slots move
// down by one, keeping their order. The entries block keeps its size (docs/deliberate.md,
// "The registry's sizes"). An unknown handle is reported and the caller goes on
// (docs/deliberate.md, "A release of an unknown string goes on").
void str_free(RtString s) {
  plat_lock_enter(&g_registry.lock);
  RtString* first = g_registry.entries;
  RtString* end = first + g_registry.count;
  RtString* slot = std::find(first, end, s);
  if (slot != end) {
    plat_heap_free(s - kPrefix);
    g_registry.count = g_registry.count - 1;
    plat_move_memory(slot, slot + 1, static_cast<size_t>(end - slot - 1) * sizeof(RtString));
    plat_lock_leave(&g_registry.lock);
    return;
  }
  plat_lock_leave(&g_registry.lock);
  if (s) plat_debug_output(kUnknownStringReport);
}
