#include "runtime/strings/strings.h"

// Compares the counted texts under the system's locale and returns the platform's answer
// unchanged: 1, 2, 3, or 0 on failure. Releases left, then right.
int32_t str_compare(RtString left, RtString right) {
  int32_t result = plat_compare(left, str_length(left), right, str_length(right));
  str_free(left);
  str_free(right);
  return result;
}
