// The runtime's numeric library: power, exponential, logarithm, floor,
// integer power, scaling by a power of two, mantissa/exponent split, absolute
// value and an identity conversion. The tag tool calls none of them
// (docs/deliberate.md, "The numeric library nobody calls").
//
// Results are fixed to the last bit: each routine performs its IEEE double
// operations one at a time in a fixed order, with no contraction into fused
// multiply-add and no extended precision. The library holds no state and
// calls no platform mathematics library.
//
// Arguments outside the ordinary domain (each routine ends on every input):
//   NaN       Every routine returns NaN for a NaN argument, except where one
//             of its own steps fixes the result first:
//               num_floor(NaN) = 0;
//               num_ipow(NaN, 0) = 1.0 (the empty product);
//               num_split2(NaN) = (NaN, e = 0);
//               num_pow(x, 0.0) = 1.0 for any x (integer exponent 0);
//               num_pow(x, NaN) = 0 for x <= 0 (a base <= 0 without an
//               integer exponent gives 0).
//             num_pow(NaN, y) is NaN for every other y.
//   Infinity  num_floor saturates (below); num_abs(-inf) = +inf;
//             num_ipow follows its products (inf^n = +-inf, inf^-n = +-0);
//             num_scale2(+-inf, n) = +-inf for every n;
//             num_split2(+-inf) = (+-inf, e = 0);
//             num_exp(+inf) = +inf, num_exp(-inf) = +0.0;
//             num_log(+inf) = +inf, num_log(-inf) = 0;
//             num_pow follows its steps, e.g. num_pow(+inf, 0.5) = +inf,
//             num_pow(2.0, +inf) = +inf, num_pow(0.5, +inf) = 0,
//             num_pow(1.0, +inf) = NaN (the product inf * 0).
//   Range     num_floor: a floor below -2^31 gives -2147483648, at or above
//             2^31 gives 2147483647, NaN gives 0; no conversion out of range.
//             num_split2: |x| >= 2^1023 splits with e = 1024 and x below
//             2^-1024 with its own exponent (down to -1073 for the smallest
//             subnormal); m is exact in every case.
//             num_log: x near the ends of the range (where 2^e itself is
//             outside the double range) uses the same exact f, so the result
//             is z / (1 + s) + e * ln2 as for every other x.
//             num_scale2(x, -2147483648) = +-0.0 with x's sign for finite x.
//             num_scale2(+-0.0, n) = x for every n (0 * 2^n, never 0 * inf).
//             num_exp: where k would leave the 32-bit range (|x| above about
//             1.4885e9) the result is the limit, +inf above and +0.0 below.
#pragma once

#include <cstdint>

// x raised to y: num_ipow for an integer exponent in [-2147483647, 2147483647],
// num_exp(y * num_log(x)) for x > 0 otherwise, and 0 for x <= 0 otherwise.
double num_pow(double x, double y);

// e to the x, by reduction with ln2 and a continued fraction for tanh(r/2).
double num_exp(double x);

// Natural logarithm of x, by reduction to [sqrt2/2, sqrt2) and a continued
// fraction for ln(1 + z); 0 for x <= 0.
double num_log(double x);

// x to the n-th power, by square-and-multiply; the reciprocal for n < 0.
double num_ipow(double x, int32_t n);

// x * 2^n, by multiplying with repeatedly squared powers of two.
double num_scale2(double x, int32_t n);

// Mantissa m of x with 0.5 <= |m| < 1 and x = m * 2^e; e receives the exponent.
// 0 and -0 give (+0.0, 0).
double num_split2(double x, int32_t& e);

// The largest integer not above x, saturated to the 32-bit range.
int32_t num_floor(double x);

// Absolute value; -0.0 comes back as -0.0.
double num_abs(double x);

// x unchanged.
double num_pass(double x);
