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
// Every routine ends on every input. What each gives for NaN, infinities and arguments at
// the ends of the range is said where it is computed, in the routine's own file.
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
