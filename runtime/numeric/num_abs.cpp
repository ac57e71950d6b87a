#include "runtime/numeric/numeric.h"

// Returns |x|: a negative x multiplied by -1, anything else as it is.
// -0.0 is not below zero and comes back as -0.0; NaN comes back unchanged.
double num_abs(double x) {
  if (x < 0) return x * -1.0;
  return x;
}
