#include <cstring>

#include "runtime/numeric/numeric.h"

// Returns the mantissa m of x, with 0.5 <= |m| < 1 and x = m * 2^e, and sets e.
// The exponent and mantissa are read from the bits of x, so the cost does not
// depend on the size of e: m is x with its exponent field set to that of 0.5,
// which is exactly x / 2^e, the quotient with which a search over e from 0
// would stop. A subnormal x is first multiplied by 2^54 (exact) to normalise it.
// |x| >= 2^1023 gives e = 1024 and x below 2^-1024 its own exponent, down to
// -1073. Zero of either sign gives (+0.0, 0); NaN and infinities come back
// unchanged with e = 0.
double num_split2(double x, int32_t& e) {
  e = 0;
  if (x == 0) return 0.0;

  uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  int32_t field = static_cast<int32_t>((bits >> 52) & 0x7ff);
  if (field == 0x7ff) return x;

  int32_t shift = 0;
  if (field == 0) {
    double normal = x * 0x1p54;
    std::memcpy(&bits, &normal, sizeof bits);
    field = static_cast<int32_t>((bits >> 52) & 0x7ff);
    shift = 54;
  }
  e = field - 1022 - shift;

  bits = (bits & 0x800fffffffffffffu) | (uint64_t{1022} << 52);
  double m;
  std::memcpy(&m, &bits, sizeof m);
  return m;
}
