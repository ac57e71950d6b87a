// Prints one line per call: the routine, its argument bits and its result bits
// in hex, for the documented edge cases and for arguments from a fixed-seed
// generator. Two builds agree to the last bit when their outputs are equal.
#include <cstdio>
#include <limits>

#include "num_test_support.h"
#include "runtime/numeric/numeric.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

const double inf = std::numeric_limits<double>::infinity();
const double nan = std::numeric_limits<double>::quiet_NaN();

unsigned long long hexbits(double x) { return static_cast<unsigned long long>(bits_of(x)); }

unsigned hexint(int32_t n) { return static_cast<uint32_t>(n); }

void print_floor(double x) {
  std::printf("num_floor %016llx -> %08x\n", hexbits(x), hexint(num_floor(x)));
}
void print_abs(double x) {
  std::printf("num_abs %016llx -> %016llx\n", hexbits(x), hexbits(num_abs(x)));
}
void print_pass(double x) {
  std::printf("num_pass %016llx -> %016llx\n", hexbits(x), hexbits(num_pass(x)));
}
void print_exp(double x) {
  std::printf("num_exp %016llx -> %016llx\n", hexbits(x), hexbits(num_exp(x)));
}
void print_log(double x) {
  std::printf("num_log %016llx -> %016llx\n", hexbits(x), hexbits(num_log(x)));
}

void print_split2(double x) {
  int32_t e = 0;
  double m = num_split2(x, e);
  std::printf("num_split2 %016llx -> %016llx %08x\n", hexbits(x), hexbits(m), hexint(e));
}

void print_ipow(double x, int32_t n) {
  std::printf("num_ipow %016llx %08x -> %016llx\n", hexbits(x), hexint(n), hexbits(num_ipow(x, n)));
}

void print_scale2(double x, int32_t n) {
  std::printf("num_scale2 %016llx %08x -> %016llx\n", hexbits(x), hexint(n),
              hexbits(num_scale2(x, n)));
}

void print_pow(double x, double y) {
  std::printf("num_pow %016llx %016llx -> %016llx\n", hexbits(x), hexbits(y),
              hexbits(num_pow(x, y)));
}

const double specials[] = {
    0.0,
    -0.0,
    1.0,
    -1.0,
    0.5,
    2.0,
    inf,
    -inf,
    nan,
    -nan,
    4.9406564584124654e-324,
    -2.2250738585072014e-308,
    1.7976931348623157e308,
    -1.7976931348623157e308,
    2147483647.0,
    -2147483647.0,
    2147483648.0,
    -2147483648.0,
    1.4885e9,
    -1.4885e9,
};

// An argument from one of ten classes: any bit pattern, moderate, near 1,
// any normal, subnormal, huge, tiny, whole, the range of exp, or a special.
double argument(Rng& rng) {
  uint64_t r = rng.next();
  uint64_t sign = (r >> 63) << 63;
  uint64_t fraction = rng.next() & ((1ull << 52) - 1);
  switch (r % 10) {
    case 0:
      return double_of(rng.next());
    case 1:
      return rng.uniform(-50.0, 50.0);
    case 2:
      return rng.uniform(0.25, 4.0);
    case 3:
      return double_of(sign | (1 + rng.next() % 2046) << 52 | fraction);
    case 4:
      return double_of(sign | fraction >> (rng.next() % 52));
    case 5:
      return double_of(sign | (2000 + rng.next() % 47) << 52 | fraction);
    case 6:
      return double_of(sign | (1 + rng.next() % 60) << 52 | fraction);
    case 7:
      return static_cast<double>(static_cast<int32_t>(rng.next() % 129) - 64);
    case 8:
      return rng.uniform(-760.0, 720.0);
    default:
      return specials[rng.next() % (sizeof specials / sizeof specials[0])];
  }
}

// A 32-bit exponent: small, near the ends of the double range, or any.
int32_t exponent(Rng& rng) {
  const int32_t ends[] = {1023, 1024,  -1074,      -1075,           2047,
                          2048, -2048, 2147483647, -2147483647 - 1, -2147483647};
  uint64_t r = rng.next();
  switch (r % 4) {
    case 0:
      return static_cast<int32_t>(rng.next() % 141) - 70;
    case 1:
      return ends[rng.next() % 10];
    case 2:
      return static_cast<int32_t>(rng.next() % 4301) - 2150;
    default:
      return static_cast<int32_t>(static_cast<uint32_t>(rng.next()));
  }
}

}  // namespace

int main() {
#ifdef _WIN32
  // Line ends as "\n" on every build, so that outputs compare byte for byte.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  for (double x : {-2.5, 2.5, -3.0, -0.0, -0.01}) print_floor(x);
  print_abs(-0.0);
  const struct {
    double x;
    int32_t n;
  } ipows[] = {
      {0.0, 0},  {1.5, 0},    {0.0, -2},   {-0.0, -3},   {-3.0, 3},
      {2.0, -3}, {2.0, 1023}, {2.0, 1024}, {2.0, -1074},
  };
  for (auto c : ipows) print_ipow(c.x, c.n);
  const struct {
    double x;
    int32_t n;
  } scales[] = {
      {3.0, -2}, {3.0, 4}, {1.0, -1074}, {1.0, -1075}, {0.75, 1024}, {1e300, -2048},
  };
  for (auto c : scales) print_scale2(c.x, c.n);
  for (double x : {8.0, -8.0, 0.75, 0.1, 1.0, 0.5, -0.3, 0.0, -0.0}) print_split2(x);
  for (double x : {0.0, -0.0, 1.0, 2.0, 0.5, -1.0, -0.5, 709.43, 709.44, -745.13, -745.14})
    print_exp(x);
  for (double x : {1.0, 2.0, 0.5, 10.0, 3.0, 1e-300, 0.0, -0.0, -1.0}) print_log(x);
  const struct {
    double x, y;
  } pows[] = {
      {2.0, 10.0},          {0.0, 0.0},           {-2.0, 3.0},          {-2.0, -1.0}, {-0.0, 3.0},
      {-0.0, -1.0},         {0.0, -1.0},          {2.0, 0.5},           {4.0, 0.5},   {2.0, 3.5},
      {10.0, -2.5},         {-8.0, 1.0 / 3.0},    {0.0, 0.5},           {0.0, -0.5},  {-1.0, 0.5},
      {-2.0, 2147483647.0}, {2.0, -2147483647.0}, {-2.0, 2147483648.0},
  };
  for (auto c : pows) print_pow(c.x, c.y);

  Rng rng{0x4d6f7276616e65u};
  for (int i = 0; i < 600; i++) {
    print_floor(argument(rng));
    print_abs(argument(rng));
    print_pass(argument(rng));
    print_split2(argument(rng));
    print_exp(argument(rng));
    print_log(argument(rng));
    double x = argument(rng);
    print_ipow(x, exponent(rng));
    x = argument(rng);
    print_scale2(x, exponent(rng));
    x = argument(rng);
    print_pow(x, argument(rng));
  }
  return 0;
}
