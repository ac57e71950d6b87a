// Helpers shared by the numeric tests and the vector printer.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

inline uint64_t bits_of(double x) {
  uint64_t b;
  std::memcpy(&b, &x, sizeof b);
  return b;
}

inline double double_of(uint64_t b) {
  double x;
  std::memcpy(&x, &b, sizeof x);
  return x;
}

// The 16 hex digits of x's bit pattern.
inline std::string hex(double x) {
  char buf[17];
  std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(bits_of(x)));
  return buf;
}

// True when a and b have the same bits, or are both NaN: IEEE fixes neither
// the sign nor the payload of a NaN that an operation produces.
inline bool same(double a, double b) { return bits_of(a) == bits_of(b) || (a != a && b != b); }

// Distance in units in the last place between two finite doubles.
inline uint64_t ulps(double a, double b) {
  auto ordered = [](double x) {
    uint64_t u = bits_of(x);
    return (u >> 63) ? 0x8000000000000000u - (u & 0x7fffffffffffffffu) : 0x8000000000000000u + u;
  };
  uint64_t ua = ordered(a), ub = ordered(b);
  return ua > ub ? ua - ub : ub - ua;
}

// SplitMix64: a small fixed-seed generator, identical on every build.
struct Rng {
  uint64_t state;
  uint64_t next() {
    uint64_t z = (state += 0x9e3779b97f4a7c15u);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
    return z ^ (z >> 31);
  }
  // Uniform in [lo, hi), from the top 53 bits.
  double uniform(double lo, double hi) {
    double u = static_cast<double>(next() >> 11) * 0x1p-53;
    return lo + (hi - lo) * u;
  }
};
