// The routines against the references written from their steps
// (num_reference.h), on chosen ranges and on arbitrary bit patterns.
#include "num_reference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "num_test_support.h"
#include "runtime/numeric/numeric.h"

namespace {

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

// Every routine at the ends of its ranges and on arbitrary bit patterns (NaNs,
// infinities, subnormals and zeros among them): the reference's bits.
TEST(NumReference, EveryRoutineFollowsItsStepsOnAnyBits) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double ends[] = {
      0.0,          -0.0,          inf, -inf, nan, 0x1p-1074, 0x1.fffffffffffffp1023,
      2147483648.0, -2147483648.5, 0.5, -1.0};
  const int32_t exponents[] = {0, 1, -1, 1024, -1075, INT32_MAX, INT32_MIN};
  for (double x : ends) {
    for (double y : ends) {
      for (int32_t n : exponents) EXPECT_EQ("", difference_from_references(x, y, n));
    }
  }
  Rng rng{5};
  for (int i = 0; i < 20000; i++) {
    int32_t n = i % 2 ? static_cast<int32_t>(rng.next() >> 32)
                      : static_cast<int32_t>(rng.next() >> 52) - 2048;
    ASSERT_EQ("", difference_from_references(double_of(rng.next()), double_of(rng.next()), n));
  }
}

}  // namespace
