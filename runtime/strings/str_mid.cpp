#include "runtime/strings/strings.h"

// Returns up to count characters of s from 1-based position start (count 0: to the end).
// A start below 1 or past the end gives the empty string; so does a negative count, for
// which str_buffer makes an empty string. Releases s on every path. The result starts empty
// and is replaced (docs/deliberate.md, "Empty strings made and replaced").
RtString str_mid(RtString s, int32_t start, int32_t count) {
  RtString r = str_new(0);
  if (start >= 1) {
    int32_t p = start - 1;
    int32_t length = str_length(s);
    if (length > p) {
      if (count == 0) count = length - p;
      if (count > length - p) count = length - p;
      str_assign(r, str_buffer(count));
      const char* from = reinterpret_cast<const char*>(str_address(s)) + p;
      plat_move_memory(r, from, static_cast<size_t>(str_length(r)));
    }
  }
  str_free(s);
  return r;
}
