// References for the numeric library, written out from each routine's steps and calling
// only each other: num_split2 as the exponent search that it replaces, num_log and num_exp
// with their continued fractions evaluated from the outermost level, and the smaller
// routines step by step. Where the steps leave the result open (NaN, infinities, the ends
// of the 32-bit and double ranges) they give the library's documented choice.
// Shared by the unit tests and the numeric fuzz target.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "num_test_support.h"
#include "runtime/numeric/num_constants.h"
#include "runtime/numeric/numeric.h"

// x truncated toward zero, less one for a negative x with a fraction. Saturates outside the
// 32-bit range; NaN gives 0.
inline int32_t floor_by_steps(double x) {
  if (x != x) return 0;
  if (x >= 2147483648.0) return INT32_MAX;
  if (x < -2147483648.0) return INT32_MIN;
  int32_t t = static_cast<int32_t>(x);
  if (x < 0 && x < t) return t - 1;
  return t;
}

inline double abs_by_steps(double x) { return x < 0 ? x * -1 : x; }

// Square-and-multiply over the bits of |n|, lowest first, squaring after every bit; the
// reciprocal at the end for n < 0.
inline double ipow_by_steps(double x, int32_t n) {
  uint32_t m = n < 0 ? 0u - static_cast<uint32_t>(n) : static_cast<uint32_t>(n);
  double acc = 1.0;
  while (m != 0) {
    if (m % 2 == 1) acc = x * acc;
    x = x * x;
    m = m / 2;
  }
  return n >= 0 ? acc : 1 / acc;
}

// x times the base 2 (0.5 for n < 0) squared after every bit of |n|. Zero and infinity
// come back as they are, and n = -2^31 gives a zero with x's sign.
inline double scale2_by_steps(double x, int32_t n) {
  if (x == 0 || std::isinf(x)) return x;
  if (n == INT32_MIN) return x != x ? x : std::copysign(0.0, x);
  double base = 2.0;
  if (n < 0) {
    base = 0.5;
    n = -n;
  }
  while (n != 0) {
    if (n % 2 == 1) x = x * base;
    base = base * base;
    n = n >> 1;
  }
  return x;
}

// The split as a linear search: e runs from 0 in one direction, fixed by |x| >= 1, and
// each step divides x by a freshly computed 2^e until 0.5 <= |m| < 1. Returns false where
// the search would never stop (NaN, infinities, |x| >= 2^1023 and |x| < 2^-1024).
inline bool split2_by_search(double x, double& m, int32_t& e) {
  e = 0;
  m = 0.0;
  if (x == 0) return true;
  bool up = abs_by_steps(x) >= 1;
  for (;;) {
    m = x / ipow_by_steps(2.0, e);
    if (0.5 <= abs_by_steps(m) && abs_by_steps(m) < 1) return true;
    e = up ? e + 1 : e - 1;
    if (e > 1023 || e < -1023) return false;
  }
}

// The split where the search never stops: NaN and infinities come back with e = 0, a
// finite x splits exactly, with e = 1024 above 2^1023 and its own exponent below 2^-1024.
inline void split2_at_the_ends(double x, double& m, int32_t& e) {
  e = 0;
  m = x;
  if (x == x && !std::isinf(x)) m = std::frexp(x, &e);
}

// Level i of the continued fraction for ln(1 + z): i*z / (2 + i*z / (2i + 1 + level i+1)),
// with nothing below level 9.
inline double log_level(double z, int i) {
  if (i > 9) return 0.0;
  double a = i * z;
  double below = log_level(z, i + 1);
  return a / (2.0 + a / ((2 * i + 1) + below));
}

// z / (1 + s) + e * ln2 with f = x / 2^e exact in [sqrt2/2, sqrt2); 0 for x <= 0, and
// +inf and NaN as they are.
inline double log_by_steps(double x) {
  if (x <= 0) return 0.0;
  if (x != x || std::isinf(x)) return x;
  int e;
  std::frexp(x / num_sqrt2, &e);
  double z = std::ldexp(x, -e) - 1.0;
  return z / (1.0 + log_level(z, 1)) + e * num_ln2;
}

// The continued fraction r^2 / (d + r^2 / (d + 4 + ...)) ending in r^2 / 22.
inline double tanh_tail(double r2, int d) {
  if (d == 22) return r2 / 22.0;
  return r2 / (d + tanh_tail(r2, d + 4));
}

// (s + r) / (s - r) scaled by 2^k; where k would leave the 32-bit range, the limit.
inline double exp_by_steps(double x) {
  double v = x / num_ln2;
  double w = x >= 0 ? v + 0.5 : v - 0.5;
  if (w >= 2147483648.0) return std::numeric_limits<double>::infinity();
  if (w < -2147483648.0) return 0.0;
  int32_t k = floor_by_steps(w);
  double r = x - k * num_ln2;
  double s = tanh_tail(r * r, 6) + 2.0;
  return scale2_by_steps((s + r) / (s - r), k);
}

// The integer power for a whole y in [-2147483647, 2147483647], otherwise exp(y * log x)
// for x > 0, NaN for a NaN x, and 0 for x <= 0.
inline double pow_by_steps(double x, double y) {
  bool in_range = -2147483647.0 <= y && y <= 2147483647.0;
  bool whole = y == static_cast<double>(floor_by_steps(y));
  if (in_range && whole) return ipow_by_steps(x, static_cast<int32_t>(y));
  if (x > 0) return exp_by_steps(y * log_by_steps(x));
  if (x != x) return x;
  return 0.0;
}

// Runs every routine of the library on x (num_ipow and num_scale2 with n, num_pow with y
// and with n) and compares each result with its reference: the same bits, or NaN for NaN.
// Returns the first difference, described, or the empty string.
inline std::string difference_from_references(double x, double y, int32_t n) {
  int32_t split_e = 0, want_e = 0;
  double split_m = num_split2(x, split_e), want_m = 0;
  if (!split2_by_search(x, want_m, want_e)) split2_at_the_ends(x, want_m, want_e);
  const struct {
    const char* call;
    double got, want;
  } results[] = {
      {"num_floor(x)", double(num_floor(x)), double(floor_by_steps(x))},
      {"num_abs(x)", num_abs(x), abs_by_steps(x)},
      {"num_pass(x)", num_pass(x), x},
      {"num_ipow(x, n)", num_ipow(x, n), ipow_by_steps(x, n)},
      {"num_scale2(x, n)", num_scale2(x, n), scale2_by_steps(x, n)},
      {"num_split2(x) mantissa", split_m, want_m},
      {"num_split2(x) exponent", double(split_e), double(want_e)},
      {"num_exp(x)", num_exp(x), exp_by_steps(x)},
      {"num_log(x)", num_log(x), log_by_steps(x)},
      {"num_pow(x, y)", num_pow(x, y), pow_by_steps(x, y)},
      {"num_pow(x, n)", num_pow(x, n), pow_by_steps(x, n)},
  };
  for (const auto& r : results) {
    if (!same(r.got, r.want)) {
      return std::string(r.call) + " with x = " + hex(x) + ", y = " + hex(y) +
             ", n = " + std::to_string(n) + ": got " + hex(r.got) + ", expected " + hex(r.want);
    }
  }
  return "";
}
