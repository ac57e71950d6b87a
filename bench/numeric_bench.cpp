// The numeric routines against the C library on the same inputs near 1, and
// num_log far from 1 against num_log near 1. Prints the time ratios measured
// in this run after the table.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "bench/ratio_reporter.h"
#include "runtime/numeric/numeric.h"

namespace {

constexpr size_t count = 1024;

// Fixed inputs: x in [0.5, 2) for every routine, y in [-1.5, 1.5) for pow.
struct Inputs {
  std::vector<double> x, y;
  Inputs() {
    std::mt19937_64 gen(1);
    std::uniform_real_distribution<double> near_one(0.5, 2.0), power(-1.5, 1.5);
    for (size_t i = 0; i < count; i++) {
      x.push_back(near_one(gen));
      y.push_back(power(gen));
    }
  }
};

const Inputs& inputs() {
  static const Inputs in;
  return in;
}

template <typename F>
void unary(benchmark::State& state, F f) {
  const std::vector<double>& x = inputs().x;
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(f(x[i]));
    i = (i + 1) % count;
  }
}

template <typename F>
void binary(benchmark::State& state, F f) {
  const std::vector<double>& x = inputs().x;
  const std::vector<double>& y = inputs().y;
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(f(x[i], y[i]));
    i = (i + 1) % count;
  }
}

// num_log of one value, read from memory each time like the inputs above.
void log_of_constant(benchmark::State& state, double value) {
  const std::vector<double> x(count, value);
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(num_log(x[i]));
    i = (i + 1) % count;
  }
}

void bm_num_exp(benchmark::State& s) {
  unary(s, [](double x) { return num_exp(x); });
}
void bm_exp(benchmark::State& s) {
  unary(s, [](double x) { return std::exp(x); });
}
void bm_num_log(benchmark::State& s) {
  unary(s, [](double x) { return num_log(x); });
}
void bm_log(benchmark::State& s) {
  unary(s, [](double x) { return std::log(x); });
}
void bm_num_pow(benchmark::State& s) {
  binary(s, [](double x, double y) { return num_pow(x, y); });
}
void bm_pow(benchmark::State& s) {
  binary(s, [](double x, double y) { return std::pow(x, y); });
}
void bm_num_log_1e_300(benchmark::State& s) { log_of_constant(s, 1e-300); }
void bm_num_log_3(benchmark::State& s) { log_of_constant(s, 3.0); }

BENCHMARK(bm_num_exp);
BENCHMARK(bm_exp);
BENCHMARK(bm_num_log);
BENCHMARK(bm_log);
BENCHMARK(bm_num_pow);
BENCHMARK(bm_pow);
BENCHMARK(bm_num_log_1e_300);
BENCHMARK(bm_num_log_3);

}  // namespace

int main(int argc, char** argv) {
  initialize_benchmarks(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter times;
  benchmark::RunSpecifiedBenchmarks(&times);
  benchmark::Shutdown();

  times.print_ratio("num_exp / exp", "bm_num_exp", "bm_exp", 3);
  times.print_ratio("num_log / log", "bm_num_log", "bm_log", 16);
  times.print_ratio("num_pow / pow", "bm_num_pow", "bm_pow", 10);
  times.print_ratio("num_log(1e-300) / num_log(3.0)", "bm_num_log_1e_300", "bm_num_log_3", 2);
  return 0;
}
