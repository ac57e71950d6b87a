#include "runtime/strings/strings.h"

// Returns left's characters followed by right's. Releases left, then right. A result
// beyond the 32-bit length range stops the process rather than wrap around.
RtString str_concat(RtString left, RtString right) {
  int32_t a = str_length(left);
  int32_t b = str_length(right);
  if (static_cast<int64_t>(a) + b > INT32_MAX) {
    plat_fatal("str_concat: the joined string would be longer than 2147483647 bytes");
  }
  RtString r = str_new(a + b);
  plat_move_memory(r, left, static_cast<size_t>(a));
  plat_move_memory(r + a, right, static_cast<size_t>(b));
  str_free(left);
  str_free(right);
  return r;
}
