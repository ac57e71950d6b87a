#include "runtime/strings/registry.h"

namespace {

// Appends handle to the registry, its entries block resized to exactly one more slot.
// Returns why it cannot, with the registry unchanged; null once it is done. Called under
// the lock.
const char* append_slot(RtString handle) {
  if (g_registry.count == INT32_MAX) return "str_new: the string registry is full";
  void* entries = plat_heap_realloc(g_registry.entries,
                                    (static_cast<size_t>(g_registry.count) + 1) * sizeof(RtString));
  if (!entries) return "str_new: out of memory, the heap cannot grow the string registry";
  g_registry.entries = static_cast<RtString*>(entries);
  plat_move_memory(&g_registry.entries[g_registry.count], &handle, sizeof handle);
  g_registry.count = g_registry.count + 1;
  return nullptr;
}

}  // namespace

// The block is allocated zeroed and its length stored before the lock is taken; under
// the lock the entries block is resized to exactly one more slot and the handle appended.
// Two heap requests a string, no spare room (docs/deliberate.md, "The registry's sizes").
// A stop leaves the lock first: its notice may run a loop that dispatches a command
// (docs/deliberate.md, "A stop leaves the lock and closes the heap").
RtString str_new(int32_t n) {
  if (n < 0) plat_fatal("str_new: negative length requested");
  char* block = static_cast<char*>(plat_heap_alloc(static_cast<size_t>(n) + kPrefix + 1, true));
  if (!block) plat_fatal("str_new: out of memory, the heap cannot supply a string block");
  plat_move_memory(block, &n, kPrefix);
  RtString handle = block + kPrefix;

  plat_lock_enter(&g_registry.lock);
  const char* refusal = append_slot(handle);
  plat_lock_leave(&g_registry.lock);
  if (refusal) plat_fatal(refusal);
  return handle;
}
