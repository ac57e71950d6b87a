// Sweeps against the C library, bounded by the accuracy that the prescribed
// steps have: a wrong step, constant or order shows up far beyond the bounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "num_test_support.h"
#include "runtime/numeric/numeric.h"

namespace {

// A positive double with a random fraction and a biased exponent field in
// [lo, hi].
double with_field(Rng& rng, uint64_t lo, uint64_t hi) {
  uint64_t field = lo + rng.next() % (hi - lo + 1);
  return double_of(field << 52 | (rng.next() & ((1ull << 52) - 1)));
}

double relative_error(double got, double want) { return std::fabs(got - want) / std::fabs(want); }

// The largest relative error and ULP distance of a sweep, each result checked against the
// bound of 1e-12 that the prescribed steps stay within.
struct WorstError {
  double relative = 0;
  uint64_t ulp = 0;
  ::testing::AssertionResult add(double got, double want) {
    relative = std::max(relative, relative_error(got, want));
    ulp = std::max(ulp, ulps(got, want));
    if (relative_error(got, want) <= 1e-12) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "relative error " << relative_error(got, want);
  }
  void print(const char* routine) const {
    std::printf("%s: max relative error %.3g (%llu ulp)\n", routine, relative,
                static_cast<unsigned long long>(ulp));
  }
};

TEST(NumAccuracy, LogWithinTwoUlpNearOneAndOneUlpUpTo1e300) {
  Rng rng{1};
  uint64_t worst_near = 0, worst_up = 0, worst_ends = 0;
  for (int i = 0; i < 200000; i++) {
    double x = rng.uniform(0.5, 2.0);
    uint64_t u = ulps(num_log(x), std::log(x));
    ASSERT_LE(u, 2u) << "num_log(" << hex(x) << ")";
    worst_near = std::max(worst_near, u);
  }
  for (int i = 0; i < 200000; i++) {
    double x = with_field(rng, 1023, 2019);
    if (x > 1e300) continue;
    uint64_t u = ulps(num_log(x), std::log(x));
    ASSERT_LE(u, 1u) << "num_log(" << hex(x) << ")";
    worst_up = std::max(worst_up, u);
  }
  // Both ends of the range, where 2^e or its exponent lies outside the
  // normal doubles: the largest doubles and every subnormal binade.
  for (int i = 0; i < 20000; i++) {
    double x = i % 2 ? with_field(rng, 2040, 2046) : double_of(rng.next() >> (12 + i / 2 % 52));
    if (x == 0) continue;
    uint64_t u = ulps(num_log(x), std::log(x));
    ASSERT_LE(u, 1u) << "num_log(" << hex(x) << ")";
    worst_ends = std::max(worst_ends, u);
  }
  std::printf("num_log: max %llu ulp on [0.5, 2], %llu ulp on [1, 1e300], %llu ulp at the ends\n",
              (unsigned long long)worst_near, (unsigned long long)worst_up,
              (unsigned long long)worst_ends);
}

TEST(NumAccuracy, ExpWithinRelativeErrorBound) {
  Rng rng{2};
  WorstError worst;
  for (int i = 0; i < 400000; i++) {
    double x = rng.uniform(-708.0, 709.4);
    ASSERT_TRUE(worst.add(num_exp(x), std::exp(x))) << "num_exp(" << hex(x) << ")";
  }
  worst.print("num_exp");
}

TEST(NumAccuracy, PowWithinRelativeErrorBound) {
  Rng rng{3};
  WorstError worst;
  for (int i = 0; i < 400000; i++) {
    double x = with_field(rng, 1023 - 80, 1023 + 80);
    double lx = std::log(x);
    double y = rng.uniform(-700.0, 700.0) / std::fabs(lx);
    if (lx == 0 || y == std::floor(y)) continue;
    ASSERT_TRUE(worst.add(num_pow(x, y), std::pow(x, y)))
        << "num_pow(" << hex(x) << ", " << hex(y) << ")";
  }
  worst.print("num_pow");
}

}  // namespace
