// The routines against references written from their steps: num_split2
// against the exponent search it replaces, num_log and num_exp against their
// continued fractions evaluated from the outermost level.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "num_test_support.h"
#include "runtime/numeric/num_constants.h"
#include "runtime/numeric/numeric.h"

namespace {

// The split as a linear search: e runs from 0 in one direction, fixed by
// |x| >= 1, and each step divides x by a freshly computed 2^e until
// 0.5 <= |m| < 1. Returns false where the search would never stop
// (|x| >= 2^1023 or |x| < 2^-1024).
bool split2_by_search(double x, double& m, int32_t& e) {
  e = 0;
  m = 0.0;
  if (x == 0) return true;
  bool up = num_abs(x) >= 1;
  for (;;) {
    m = x / num_ipow(2.0, e);
    if (0.5 <= num_abs(m) && num_abs(m) < 1) return true;
    e = up ? e + 1 : e - 1;
    if (e > 1023 || e < -1023) return false;
  }
}

// A double with the given sign, frexp exponent and 52 random fraction bits,
// normal for e >= -1021 and subnormal below.
double with_exponent(int32_t e, bool negative, uint64_t fraction) {
  uint64_t sign = negative ? 1ull << 63 : 0;
  fraction &= (1ull << 52) - 1;
  if (e >= -1021) return double_of(sign | uint64_t(e + 1022) << 52 | fraction);
  uint64_t top = 1ull << (e + 1073);
  return double_of(sign | top | (fraction & (top - 1)));
}

// Every exponent that the search reaches, both signs, the smallest and the
// largest mantissa and random ones in between: the same m and e, bit for bit.
TEST(NumSplit2, EqualsSearchOnEveryReachableExponent) {
  Rng rng{42};
  long checked = 0;
  for (int32_t e = -1023; e <= 1023; e++) {
    for (int i = 0; i < 10; i++) {
      uint64_t fraction = i == 0 ? 0 : i == 1 ? ~0ull : rng.next();
      for (bool negative : {false, true}) {
        double x = with_exponent(e, negative, fraction);
        double want_m;
        int32_t want_e;
        ASSERT_TRUE(split2_by_search(x, want_m, want_e)) << hex(x);
        int32_t got_e = -7;
        double got_m = num_split2(x, got_e);
        ASSERT_EQ(bits_of(got_m), bits_of(want_m)) << "x " << hex(x);
        ASSERT_EQ(got_e, want_e) << "x " << hex(x);
        checked++;
      }
    }
  }
  std::printf("num_split2: %ld arguments equal to the search\n", checked);
}

// Where the search never stops: e = 1024 above and the number's own exponent
// below 2^-1024, with an exact mantissa in [0.5, 1).
TEST(NumSplit2, EndsOfTheRangeSplitExactly) {
  std::vector<int32_t> exponents{1024};
  for (int32_t e = -1073; e <= -1024; e++) exponents.push_back(e);
  Rng rng{7};
  for (int32_t e : exponents) {
    for (int i = 0; i < 4; i++) {
      double x = with_exponent(e, i & 1, i < 2 ? ~0ull : rng.next());
      int32_t got_e = 0;
      double got_m = num_split2(x, got_e);
      EXPECT_EQ(got_e, e) << hex(x);
      EXPECT_TRUE(0.5 <= num_abs(got_m) && num_abs(got_m) < 1) << hex(got_m);
      EXPECT_EQ(bits_of(std::ldexp(got_m, got_e)), bits_of(x)) << hex(x);
    }
  }
}

// Level i of the continued fraction for ln(1 + z): i*z / (2 + i*z / (2i + 1 + level i+1)),
// with nothing below level 9.
double log_level(double z, int i) {
  if (i > 9) return 0.0;
  double a = i * z;
  double below = log_level(z, i + 1);
  return a / (2.0 + a / ((2 * i + 1) + below));
}

double log_by_steps(double x) {
  if (x <= 0) return 0.0;
  int e;
  std::frexp(x / num_sqrt2, &e);
  double z = std::ldexp(x, -e) - 1.0;
  return z / (1.0 + log_level(z, 1)) + e * num_ln2;
}

// The continued fraction r^2 / (d + r^2 / (d + 4 + ...)) ending in r^2 / 22.
double tanh_tail(double r2, int d) {
  if (d == 22) return r2 / 22.0;
  return r2 / (d + tanh_tail(r2, d + 4));
}

double exp_by_steps(double x) {
  double v = x / num_ln2;
  int32_t k = static_cast<int32_t>(std::floor(x >= 0 ? v + 0.5 : v - 0.5));
  double r = x - k * num_ln2;
  double s = tanh_tail(r * r, 6) + 2.0;
  return num_scale2((s + r) / (s - r), k);
}

// Bit for bit over the whole range of each routine, and densely near 1
// where e * ln2 is 0 and the last levels of the fractions show.
TEST(NumReference, LogAndExpFollowTheirSteps) {
  Rng rng{11};
  for (int i = 0; i < 400000; i++) {
    double x = i % 4 ? rng.uniform(0.7, 1.42) : double_of(rng.next() >> 1);
    if (x - x != 0) continue;
    double got = num_log(x), want = log_by_steps(x);
    ASSERT_EQ(bits_of(got), bits_of(want)) << "num_log(" << hex(x) << ")";
  }
  for (int i = 0; i < 200000; i++) {
    double x = i % 2 ? rng.uniform(-750.0, 750.0) : rng.uniform(-2.0, 2.0);
    double got = num_exp(x), want = exp_by_steps(x);
    ASSERT_EQ(bits_of(got), bits_of(want)) << "num_exp(" << hex(x) << ")";
  }
}

}  // namespace
