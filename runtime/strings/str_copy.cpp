#include "runtime/strings/strings.h"

// Returns a new string with the length and characters of s; s is neither changed nor
// released.
RtString str_copy(RtString s) {
  RtString c = str_new(str_length(s));
  plat_move_memory(c, s, static_cast<size_t>(str_length(c)));
  return c;
}
