// The string store: creation, registration and release of runtime strings.
#include <algorithm>
#include <cstddef>

#include "runtime/strings/strings.h"

namespace {

StringRegistry g_registry;

// Sent, as these bytes of code page 932, on the release of a handle that the registry
// does not hold: 未知の文字列が解放されようとしました。/return
const char kUnknownStringReport[] =
    "\x96\xa2\x92\x6d\x82\xcc\x95\xb6\x8e\x9a\x97\xf1\x82\xaa\x89\xf0\x95\xfa\x82\xb3"
    "\x82\xea\x82\xe6\x82\xa4\x82\xc6\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81\x42"
    "/return";

constexpr size_t kPrefix = sizeof(int32_t);

}  // namespace

const StringRegistry& rt_registry() { return g_registry; }

void rt_init() {
  plat_heap_init();
  plat_lock_init(&g_registry.lock);
  void* entries = plat_heap_alloc(1, false);
  if (!entries) plat_fatal("rt_init: the heap cannot supply the string registry");
  g_registry.entries = static_cast<RtString*>(entries);
  g_registry.count = 0;
  g_registry.initialised = 1;
}

// The block is allocated zeroed and its length stored before the lock is taken; under
// the lock the entries block is resized to exactly one more slot and the handle appended.
RtString str_new(int32_t n) {
  if (n < 0) plat_fatal("str_new: negative length requested");
  char* block = static_cast<char*>(plat_heap_alloc(static_cast<size_t>(n) + kPrefix + 1, true));
  if (!block) plat_fatal("str_new: out of memory, the heap cannot supply a string block");
  plat_move_memory(block, &n, kPrefix);
  RtString handle = block + kPrefix;

  plat_lock_enter(&g_registry.lock);
  if (g_registry.count == INT32_MAX) plat_fatal("str_new: the string registry is full");
  void* entries = plat_heap_realloc(g_registry.entries,
                                    (static_cast<size_t>(g_registry.count) + 1) * sizeof(RtString));
  if (!entries) plat_fatal("str_new: out of memory, the heap cannot grow the string registry");
  g_registry.entries = static_cast<RtString*>(entries);
  plat_move_memory(&g_registry.entries[g_registry.count], &handle, sizeof handle);
  g_registry.count = g_registry.count + 1;
  plat_lock_leave(&g_registry.lock);
  return handle;
}

// Searches the slots from the oldest; a found string is freed and the later slots move
// down by one, keeping their order. The entries block keeps its size.
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

int32_t str_length(RtString s) {
  int32_t n;
  plat_move_memory(&n, s - kPrefix, kPrefix);
  return n;
}
