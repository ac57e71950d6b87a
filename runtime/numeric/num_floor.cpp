#include "runtime/numeric/numeric.h"

// Returns the largest integer not above x: x truncated toward zero, less one
// for a negative x with a fractional part.
// A floor outside the 32-bit range saturates to -2147483648 or 2147483647 and
// NaN gives 0, so the truncation never converts a value out of range.
int32_t num_floor(double x) {
  if (x != x) return 0;
  if (x >= 2147483648.0) return 2147483647;
  if (x < -2147483648.0) return -2147483647 - 1;

  int32_t t = static_cast<int32_t>(x);
  if (x < 0 && x < t) return t - 1;
  return t;
}
