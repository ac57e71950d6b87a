// The refusal that tests ask of the heap, counted the same way on every platform.
#include "runtime/strings/platform.h"

namespace {

int64_t g_allowed_requests = -1;

}  // namespace

void plat_heap_refuse_after(int64_t allowed) { g_allowed_requests = allowed; }

bool plat_heap_refuses() {
  if (g_allowed_requests < 0) return false;
  if (g_allowed_requests == 0) return true;
  --g_allowed_requests;
  return false;
}
