// Fixed results, compared bit by bit: the documented edge cases and the
// behaviour chosen for NaN, infinities and the ends of the range.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "num_test_support.h"
#include "runtime/numeric/num_constants.h"
#include "runtime/numeric/numeric.h"

namespace {

const double inf = std::numeric_limits<double>::infinity();
const double nan = std::numeric_limits<double>::quiet_NaN();
const double min_sub = 4.9406564584124654e-324;

struct Case {
  const char* call;
  double got;
  double want;
};

double split_m(double x) {
  int32_t e = 12345;
  return num_split2(x, e);
}

double split_e(double x) {
  int32_t e = 12345;
  num_split2(x, e);
  return e;
}

void check(const std::vector<Case>& cases) {
  for (const Case& c : cases)
    EXPECT_TRUE(same(c.got, c.want)) << c.call << ": got " << hex(c.got) << " (" << c.got
                                     << "), want " << hex(c.want) << " (" << c.want << ")";
}

TEST(NumTable, ConstantBits) {
  EXPECT_EQ(bits_of(num_ln2), 0x3FE62E42FEFA39EFu);
  EXPECT_EQ(bits_of(num_sqrt2), 0x3FF6A09E667F3BCDu);
}

TEST(NumTable, FloorAbsIpowScale2) {
  check({
      {"num_floor(-2.5)", double(num_floor(-2.5)), -3},
      {"num_floor(2.5)", double(num_floor(2.5)), 2},
      {"num_floor(-3.0)", double(num_floor(-3.0)), -3},
      {"num_floor(-0.0)", double(num_floor(-0.0)), 0},
      {"num_floor(-0.01)", double(num_floor(-0.01)), -1},
      {"num_abs(-0.0)", num_abs(-0.0), -0.0},
      {"num_abs(-2.5)", num_abs(-2.5), 2.5},
      {"num_ipow(0.0, 0)", num_ipow(0.0, 0), 1.0},
      {"num_ipow(1.5, 0)", num_ipow(1.5, 0), 1.0},
      {"num_ipow(0.0, -2)", num_ipow(0.0, -2), inf},
      {"num_ipow(-0.0, -3)", num_ipow(-0.0, -3), -inf},
      {"num_ipow(-3.0, 3)", num_ipow(-3.0, 3), -27.0},
      {"num_ipow(2.0, -3)", num_ipow(2.0, -3), 0.125},
      {"num_ipow(2.0, 1023)", num_ipow(2.0, 1023), 8.98846567431158e307},
      {"num_ipow(2.0, 1024)", num_ipow(2.0, 1024), inf},
      {"num_ipow(2.0, -1074)", num_ipow(2.0, -1074), 0.0},
      {"num_scale2(3.0, -2)", num_scale2(3.0, -2), 0.75},
      {"num_scale2(3.0, 4)", num_scale2(3.0, 4), 48.0},
      {"num_scale2(1.0, -1074)", num_scale2(1.0, -1074), min_sub},
      {"num_scale2(1.0, -1075)", num_scale2(1.0, -1075), 0.0},
      {"num_scale2(0.75, 1024)", num_scale2(0.75, 1024), inf},
      {"num_scale2(1e300, -2048)", num_scale2(1e300, -2048), 0.0},
      {"num_scale2(-1.0, -1075)", num_scale2(-1.0, -1075), -0.0},
  });
}

TEST(NumTable, Split2) {
  struct Row {
    double x, m;
    int32_t e;
  };
  const Row rows[] = {
      {8.0, 0.5, 4}, {-8.0, -0.5, 4},  {0.75, 0.75, 0}, {0.1, 0.8, -3}, {1.0, 0.5, 1},
      {0.5, 0.5, 0}, {-0.3, -0.6, -1}, {0.0, 0.0, 0},   {-0.0, 0.0, 0},
  };
  for (const Row& r : rows) {
    EXPECT_TRUE(same(split_m(r.x), r.m)) << "num_split2(" << r.x << "): m " << hex(split_m(r.x));
    EXPECT_EQ(split_e(r.x), r.e) << "num_split2(" << r.x << ")";
  }
}

TEST(NumTable, ExpLogPow) {
  check({
      {"num_exp(0.0)", num_exp(0.0), 1.0},
      {"num_exp(-0.0)", num_exp(-0.0), 1.0},
      {"num_exp(1.0)", num_exp(1.0), 2.718281828459045},
      {"num_exp(2.0)", num_exp(2.0), 7.389056098930651},
      {"num_exp(0.5)", num_exp(0.5), 1.648721270700128},
      {"num_exp(-1.0)", num_exp(-1.0), 0.3678794411714423},
      {"num_exp(-0.5)", num_exp(-0.5), 0.6065306597126111},
      {"num_exp(709.43)", num_exp(709.43), 1.2633808701859688e308},
      {"num_exp(709.44)", num_exp(709.44), inf},
      {"num_exp(-745.13)", num_exp(-745.13), min_sub},
      {"num_exp(-745.14)", num_exp(-745.14), 0.0},
      {"num_log(1.0)", num_log(1.0), 0.0},
      {"num_log(2.0)", num_log(2.0), 0.6931471805599453},
      {"num_log(0.5)", num_log(0.5), -0.6931471805599453},
      {"num_log(10.0)", num_log(10.0), 2.3025850929940455},
      {"num_log(3.0)", num_log(3.0), 1.0986122886681096},
      {"num_log(1e-300)", num_log(1e-300), -690.7755278982137},
      {"num_log(0.0)", num_log(0.0), 0.0},
      {"num_log(-0.0)", num_log(-0.0), 0.0},
      {"num_log(-1.0)", num_log(-1.0), 0.0},
      {"num_pow(2.0, 10.0)", num_pow(2.0, 10.0), 1024.0},
      {"num_pow(0.0, 0.0)", num_pow(0.0, 0.0), 1.0},
      {"num_pow(-2.0, 3.0)", num_pow(-2.0, 3.0), -8.0},
      {"num_pow(-2.0, -1.0)", num_pow(-2.0, -1.0), -0.5},
      {"num_pow(-0.0, 3.0)", num_pow(-0.0, 3.0), -0.0},
      {"num_pow(-0.0, -1.0)", num_pow(-0.0, -1.0), -inf},
      {"num_pow(0.0, -1.0)", num_pow(0.0, -1.0), inf},
      {"num_pow(2.0, 0.5)", num_pow(2.0, 0.5), 1.414213562373095},
      {"num_pow(4.0, 0.5)", num_pow(4.0, 0.5), 2.0},
      {"num_pow(2.0, 3.5)", num_pow(2.0, 3.5), 11.31370849898476},
      {"num_pow(10.0, -2.5)", num_pow(10.0, -2.5), 0.0031622776601683816},
      {"num_pow(-8.0, 1/3)", num_pow(-8.0, 1.0 / 3.0), 0.0},
      {"num_pow(0.0, 0.5)", num_pow(0.0, 0.5), 0.0},
      {"num_pow(0.0, -0.5)", num_pow(0.0, -0.5), 0.0},
      {"num_pow(-1.0, 0.5)", num_pow(-1.0, 0.5), 0.0},
      {"num_pow(-2.0, 2147483647.0)", num_pow(-2.0, 2147483647.0), -inf},
      {"num_pow(2.0, -2147483647.0)", num_pow(2.0, -2147483647.0), 0.0},
      {"num_pow(-2.0, 2147483648.0)", num_pow(-2.0, 2147483648.0), 0.0},
  });
}

// The behaviour chosen where the steps leave the result open, and the one
// mended fault (scaling a zero gives zero, never 0 * inf).
TEST(NumTable, NanInfinityAndRangeChoices) {
  const int32_t imin = std::numeric_limits<int32_t>::min();
  const int32_t imax = std::numeric_limits<int32_t>::max();
  check({
      {"num_floor(NaN)", double(num_floor(nan)), 0},
      {"num_floor(inf)", double(num_floor(inf)), imax},
      {"num_floor(-inf)", double(num_floor(-inf)), imin},
      {"num_floor(2147483647.5)", double(num_floor(2147483647.5)), imax},
      {"num_floor(2147483648.0)", double(num_floor(2147483648.0)), imax},
      {"num_floor(-2147483648.0)", double(num_floor(-2147483648.0)), imin},
      {"num_floor(-2147483647.5)", double(num_floor(-2147483647.5)), imin},
      {"num_floor(-2147483648.5)", double(num_floor(-2147483648.5)), imin},
      {"num_floor(-min_sub)", double(num_floor(-min_sub)), -1},
      {"num_abs(-inf)", num_abs(-inf), inf},
      {"num_abs(NaN)", num_abs(nan), nan},
      {"num_ipow(NaN, 0)", num_ipow(nan, 0), 1.0},
      {"num_ipow(NaN, 3)", num_ipow(nan, 3), nan},
      {"num_ipow(-1.0, imin)", num_ipow(-1.0, imin), 1.0},
      {"num_ipow(2.0, imin)", num_ipow(2.0, imin), 0.0},
      {"num_ipow(0.5, imin)", num_ipow(0.5, imin), inf},
      {"num_ipow(-inf, 3)", num_ipow(-inf, 3), -inf},
      {"num_scale2(0.0, 1024)", num_scale2(0.0, 1024), 0.0},
      {"num_scale2(-0.0, imax)", num_scale2(-0.0, imax), -0.0},
      {"num_scale2(-3.0, imin)", num_scale2(-3.0, imin), -0.0},
      {"num_scale2(-inf, imin)", num_scale2(-inf, imin), -inf},
      {"num_scale2(inf, -2048)", num_scale2(inf, -2048), inf},
      {"num_scale2(NaN, 5)", num_scale2(nan, 5), nan},
      {"num_exp(NaN)", num_exp(nan), nan},
      {"num_exp(inf)", num_exp(inf), inf},
      {"num_exp(-inf)", num_exp(-inf), 0.0},
      {"num_exp(1.4885e9)", num_exp(1.4885e9), inf},
      {"num_exp(1488522250.0)", num_exp(1488522250.0), inf},
      {"num_exp(-1.4885e9)", num_exp(-1.4885e9), 0.0},
      {"num_exp(-1.49e9)", num_exp(-1.49e9), 0.0},
      {"num_log(NaN)", num_log(nan), nan},
      {"num_log(inf)", num_log(inf), inf},
      {"num_log(-inf)", num_log(-inf), 0.0},
      {"num_pow(NaN, 0.0)", num_pow(nan, 0.0), 1.0},
      {"num_pow(NaN, 2.0)", num_pow(nan, 2.0), nan},
      {"num_pow(NaN, 0.5)", num_pow(nan, 0.5), nan},
      {"num_pow(2.0, NaN)", num_pow(2.0, nan), nan},
      {"num_pow(-2.0, NaN)", num_pow(-2.0, nan), 0.0},
      {"num_pow(inf, 0.5)", num_pow(inf, 0.5), inf},
      {"num_pow(inf, -0.5)", num_pow(inf, -0.5), 0.0},
      {"num_pow(2.0, inf)", num_pow(2.0, inf), inf},
      {"num_pow(0.5, inf)", num_pow(0.5, inf), 0.0},
      {"num_pow(1.0, inf)", num_pow(1.0, inf), nan},
      {"num_pow(10.0, 1e10)", num_pow(10.0, 1e10), inf},
      {"num_pow(10.0, -1e10)", num_pow(10.0, -1e10), 0.0},
  });
}

}  // namespace
