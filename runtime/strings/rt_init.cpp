#include "runtime/strings/registry.h"

// The entries block starts as 1 byte, not as room for a slot, and is not zeroed: the
// first str_new resizes it to exactly one slot (docs/deliberate.md, "The registry's sizes").
void rt_init() {
  plat_heap_init();
  plat_lock_init(&g_registry.lock);
  void* entries = plat_heap_alloc(1, false);
  if (!entries) plat_fatal("rt_init: the heap cannot supply the string registry");
  g_registry.entries = static_cast<RtString*>(entries);
  g_registry.count = 0;
  g_registry.initialised = 1;
}
