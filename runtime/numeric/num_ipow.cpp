#include "runtime/numeric/numeric.h"

// Returns x^n by square-and-multiply over the bits of |n|, lowest bit first;
// for n < 0 the reciprocal of x^|n|, taken once at the end.
// |n| is counted unsigned, so n = -2147483648 gives 2^31. x is squared after
// every bit, the last one included. x^0 is 1.0 for every x.
double num_ipow(double x, int32_t n) {
  uint32_t m = n < 0 ? 0u - static_cast<uint32_t>(n) : static_cast<uint32_t>(n);
  double acc = 1.0;

  while (m != 0) {
    if (m & 1u) acc = x * acc;
    x = x * x;
    m = m >> 1;
  }
  if (n >= 0) return acc;
  return 1.0 / acc;
}
