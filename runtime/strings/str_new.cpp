#include "runtime/strings/registry.h"

// The block is allocated zeroed and its length stored before the lock is taken; under
// the lock the entries block is resized to exactly one more slot and the handle appended.
// Two heap requests a string, no spare room (docs/deliberate.md, "The registry's sizes").
RtString str_new(int32_t n) {
  if (n < 0) plat_fatal("str_new: negative length requested");
  char* block = static_cast<char*>(plat_heap_alloc(static_cast<size_t>(n) + kPrefix + 1, true));
  if (!block) plat_fatal("str_new: out of memory, the heap cannot supply a string block");
  plat_move_memory(block, &n, kPrefix);
  RtString handle = block + kPrefix;

  plat_lock_enter(&g_registry.lock);
  // GCOVR_EXCL_BR_START: 2^31 live strings would need more memory than there is.
  if (g_registry.count == INT32_MAX) plat_fatal("str_new: the string registry is full");
  // GCOVR_EXCL_BR_STOP
  void* entries = plat_heap_realloc(g_registry.entries,
                                    (static_cast<size_t>(g_registry.count) + 1) * sizeof(RtString));
  if (!entries) plat_fatal("str_new: out of memory, the heap cannot grow the string registry");
  g_registry.entries = static_cast<RtString*>(entries);
  plat_move_memory(&g_registry.entries[g_registry.count], &handle, sizeof handle);
  g_registry.count = g_registry.count + 1;
  plat_lock_leave(&g_registry.lock);
  return handle;
}
