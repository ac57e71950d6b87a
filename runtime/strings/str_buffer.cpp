#include "runtime/strings/strings.h"

// Returns a new string of n NUL characters, or the empty string for a negative n.
RtString str_buffer(int32_t n) { return str_new(n < 0 ? 0 : n); }
