#include <cmath>

#include "runtime/numeric/numeric.h"

// Returns x * 2^n by multiplying x with the base 2^(2^j) (0.5^(2^j) for
// n < 0) for each set bit j of |n|, squaring the base between bits.
// The square after the highest bit would never be used, and for |n| >= 512
// it is subnormal or infinite, which x86 processors handle slowly; it is not
// formed.
// Once the base leaves the double range the product is +-inf or +-0 even
// where x * 2^n itself would be representable.
// |n| is counted unsigned, so n = -2147483648 scales a finite x to +-0.
// Zero and infinity are returned as they are: 0 * 2^n is 0 and inf * 2^n is
// inf for every n (the base would otherwise make 0 * inf or inf * 0 a NaN).
double num_scale2(double x, int32_t n) {
  if (x == 0 || std::isinf(x)) return x;

  double base = 2.0;
  uint32_t m = static_cast<uint32_t>(n);
  if (n < 0) {
    base = 0.5;
    m = 0u - m;
  }

  while (m != 0) {
    if (m & 1u) x = x * base;
    m = m >> 1;
    if (m != 0) base = base * base;
  }
  return x;
}
