#include <limits>

#include "runtime/numeric/num_constants.h"
#include "runtime/numeric/numeric.h"

// Returns e^x.
// Method: k = floor(x / ln2 + 0.5) for x >= 0 and floor(x / ln2 - 0.5) for
// x < 0, r = x - k * ln2 with ln2 as one constant, so r lies in
// [-0.35, 0.35] for x >= 0 and in [0.35, 1.04) for x < 0, less exact there
// (docs/deliberate.md, "The numeric library nobody calls"). Then
//   e^r = (s + r) / (s - r),  r / s = tanh(r/2)
//       = r / (2 + r^2/(6 + r^2/(10 + r^2/(14 + r^2/(18 + r^2/22)))))
// and the result is e^r * 2^k.
// Where k would leave the 32-bit range the result is the limit: +inf for a
// large x (including +inf) and +0.0 for a large negative x (including -inf).
// NaN takes k = 0 and gives NaN.
double num_exp(double x) {
  double v = x / num_ln2;
  int32_t k = 0;
  if (x >= 0) {
    double w = v + 0.5;
    if (w >= 2147483648.0) return std::numeric_limits<double>::infinity();
    k = num_floor(w);
  } else if (x < 0) {
    double w = v - 0.5;
    if (w < -2147483647.0) return 0.0;
    k = num_floor(w);
  }

  double p = k * num_ln2;
  double r = x - p;
  double r2 = r * r;
  double t = r2 / 22.0;
  for (int i = 18; i >= 6; i -= 4) t = r2 / (i + t);
  double s = t + 2.0;
  double q = (s + r) / (s - r);
  return num_scale2(q, k);
}
