#include <cmath>

#include "runtime/numeric/num_constants.h"
#include "runtime/numeric/numeric.h"

// Returns ln x; 0 for x <= 0.
// Method: e is the exponent of x / sqrt2, so f = x / 2^e lies in
// [sqrt2/2, sqrt2). With z = f - 1,
//   ln(1 + z) = z / (1 + z/(2 + z/(3 + 2z/(2 + 2z/(5 + 3z/(2 + 3z/(7 + ...)))))))
// cut after level 9; level i is i*z / (2 + i*z / (2i + 1 + ...)).
// The result is z / (1 + s) + e * ln2.
// For x >= sqrt2 * 2^1023, e is 1024 and 2^e is beyond the double range, so
// f is formed as (x * 0.5) / 2^1023, which is the same exact quotient.
// +inf gives +inf; NaN gives NaN.
double num_log(double x) {
  if (x <= 0) return 0.0;
  if (std::isinf(x)) return x;

  int32_t e = 0;
  num_split2(x / num_sqrt2, e);
  double f;
  if (e > 1023)
    f = (x * 0.5) / num_scale2(1.0, e - 1);
  else
    f = x / num_scale2(1.0, e);

  double z = f - 1.0;
  double s = 0.0;
  for (int i = 9; i >= 1; i--) {
    double a = i * z;
    s = a / (2.0 + a / ((2 * i + 1) + s));
  }
  double p = e * num_ln2;
  return z / (1.0 + s) + p;
}
