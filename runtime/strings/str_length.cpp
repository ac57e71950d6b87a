#include "runtime/strings/registry.h"

int32_t str_length(RtString s) {
  int32_t n;
  plat_move_memory(&n, s - kPrefix, kPrefix);
  return n;
}
