#include "runtime/numeric/numeric.h"

// Returns x^y.
// y is an integer exponent when -2147483647 <= y <= 2147483647 and y has no
// fractional part (y equals its floor passed back as a double); then the
// result is num_ipow(x, y) for every x, zero and negative bases included.
// Otherwise a positive x gives num_exp(y * num_log(x)), and x <= 0 gives 0.
// A NaN x without an integer exponent gives NaN.
double num_pow(double x, double y) {
  bool in_range = (y >= -2147483647.0) & (y <= 2147483647.0);
  bool whole = y == num_pass(static_cast<double>(num_floor(y)));
  if (in_range & whole) return num_ipow(x, static_cast<int32_t>(y));

  if (x > 0) return num_exp(y * num_log(x));
  if (x <= 0) return 0.0;
  return x;
}
