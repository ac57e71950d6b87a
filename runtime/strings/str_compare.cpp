#include "runtime/strings/strings.h"

// Both compare the counted texts under the system's locale and return the platform's
// answer unchanged: 1, 2, 3, or 0 on failure.

// Releases left, then right.
int32_t str_compare(RtString left, RtString right) {
  int32_t result = plat_compare(left, str_length(left), right, str_length(right));
  str_free(left);
  str_free(right);
  return result;
}

// Releases right only.
int32_t str_compare_keep(RtString left, RtString right) {
  int32_t result = plat_compare(left, str_length(left), right, str_length(right));
  str_free(right);
  return result;
}
