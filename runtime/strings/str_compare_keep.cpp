#include "runtime/strings/strings.h"

// As str_compare, but releases right only: left stays with the caller.
int32_t str_compare_keep(RtString left, RtString right) {
  int32_t result = plat_compare(left, str_length(left), right, str_length(right));
  str_free(right);
  return result;
}
