// Properties over many arguments: the choice of path in num_pow, and every
// routine ending with a sound result on special and extreme arguments.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "num_test_support.h"
#include "runtime/numeric/numeric.h"

namespace {

const double inf = std::numeric_limits<double>::infinity();
const double nan = std::numeric_limits<double>::quiet_NaN();
const int32_t imin = std::numeric_limits<int32_t>::min();
const int32_t imax = std::numeric_limits<int32_t>::max();

// num_pow uses num_ipow exactly for whole y in [-2147483647, 2147483647], and
// otherwise num_exp(y * num_log(x)) for x > 0 and 0 for x <= 0.
TEST(NumProperty, PowTakesTheIntegerPathExactlyForWholeExponentsInRange) {
  struct Exponent {
    double y;
    bool whole;
  };
  const Exponent exponents[] = {
      {0.0, true},
      {-0.0, true},
      {1.0, true},
      {-1.0, true},
      {3.0, true},
      {2147483647.0, true},
      {-2147483647.0, true},
      {2147483646.0, true},
      {-2147483648.0, false},
      {2147483648.0, false},
      {2147483647.5, false},
      {0.5, false},
      {-0.5, false},
      {1e-300, false},
      {-2.0000000000000004, false},
      {4503599627370497.0, false},
      {1e300, false},
      {-1e300, false},
  };
  const double bases[] = {3.0, 0.7, 1.0, 1.0000001, -3.0, -0.7, -1.0, 0.0, -0.0, 1e-310, -1e300};
  for (const Exponent& ex : exponents) {
    for (double x : bases) {
      double want = ex.whole ? num_ipow(x, static_cast<int32_t>(ex.y))
                    : x > 0  ? num_exp(ex.y * num_log(x))
                             : 0.0;
      double got = num_pow(x, ex.y);
      EXPECT_TRUE(same(got, want))
          << "num_pow(" << x << ", " << ex.y << "): got " << hex(got) << ", want " << hex(want);
    }
  }
}

// Every routine ends on every combination of special arguments, without
// undefined behaviour (the sanitizer build runs this), and with results that
// keep the routine's promises.
TEST(NumProperty, EveryRoutineEndsSoundlyOnSpecialArguments) {
  const double specials[] = {
      0.0,
      -0.0,
      4.9406564584124654e-324,
      -4.9406564584124654e-324,
      2.2250738585072009e-308,
      -2.2250738585072014e-308,
      1e-300,
      -1e-300,
      0.5,
      -0.5,
      1.0,
      -1.0,
      2.5,
      -2.5,
      709.44,
      -745.14,
      2147483647.5,
      -2147483648.5,
      1.5e9,
      -1.5e9,
      1e300,
      -1e300,
      1.7976931348623157e308,
      -1.7976931348623157e308,
      inf,
      -inf,
      nan,
      -nan,
  };
  const int32_t ints[] = {0,     1,     -1,   2,     -3,   1023, 1024,
                          -1074, -1075, 2048, -2048, imax, imin, imin + 1};
  long calls = 0;
  for (double x : specials) {
    int32_t f = num_floor(x);
    if (x != x)
      EXPECT_EQ(f, 0);
    else if (x >= -2147483648.0 && x < 2147483648.0)
      EXPECT_TRUE(f <= x && x < f + 1.0) << "num_floor(" << x << ") = " << f;
    else
      EXPECT_EQ(f, x < 0 ? imin : imax) << "num_floor(" << x << ")";

    double a = num_abs(x);
    EXPECT_TRUE(x != x ? a != a : a == x || a == -x) << "num_abs(" << x << ")";
    EXPECT_FALSE(a < 0);

    int32_t e = 99;
    double m = num_split2(x, e);
    if (std::isfinite(x) && x != 0)
      EXPECT_TRUE(std::ldexp(m, e) == x && 0.5 <= std::fabs(m) && std::fabs(m) < 1) << hex(x);
    else
      EXPECT_TRUE(e == 0 && same(m, x == 0 ? 0.0 : x)) << "num_split2(" << x << ")";

    double ex = num_exp(x);
    EXPECT_TRUE(x != x ? ex != ex : ex >= 0) << "num_exp(" << x << ") = " << ex;

    double lg = num_log(x);
    EXPECT_TRUE(x != x   ? lg != lg
                : x <= 0 ? lg == 0
                         : lg > -745 && lg <= inf)
        << "num_log(" << x << ") = " << lg;

    for (int32_t n : ints) {
      double p = num_ipow(x, n);
      bool negative = std::signbit(x) && (n & 1);
      EXPECT_TRUE(n == 0   ? p == 1.0
                  : x != x ? p != p
                           : p == p && std::signbit(p) == negative)
          << "num_ipow(" << x << ", " << n << ") = " << p;
      double s = num_scale2(x, n);
      EXPECT_TRUE(x != x ? s != s : std::signbit(s) == std::signbit(x) && s == s)
          << "num_scale2(" << x << ", " << n << ") = " << s;
      calls += 2;
    }
    for (double y : specials) {
      double p = num_pow(x, y);
      bool fractional = y != y || std::fabs(y) > 2147483647.0 || y != std::floor(y);
      bool nan_kept = x == x || y == 0 || p != p;
      bool zero_base = !(x <= 0 && fractional) || same(p, 0.0);
      EXPECT_TRUE(nan_kept && zero_base) << "num_pow(" << x << ", " << y << ") = " << p;
      calls++;
    }
    calls += 5;
  }
  std::printf("special arguments: %ld calls\n", calls);
}

}  // namespace
