#include <algorithm>

#include "runtime/strings/strings.h"

// Returns the characters of s from position first to last, both included, as str_mid
// cuts them. Releases s on every path. The result starts empty and is replaced, with a
// second empty string when first > last (docs/deliberate.md, "Empty strings made and
// replaced").
RtString str_range(RtString s, int32_t first, int32_t last) {
  RtString r = str_new(0);
  if (first > last) {
    str_assign(r, str_from_text(""));
  } else {
    // Only a first position below 1 can make the count leave the 32-bit range, and
    // str_mid gives the empty string for those whatever the count.
    int64_t count = std::min<int64_t>(static_cast<int64_t>(last) - first + 1, INT32_MAX);
    str_assign(r, str_mid(str_copy(s), first, static_cast<int32_t>(count)));
  }
  str_free(s);
  return r;
}
