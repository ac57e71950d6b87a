// The string runtime against the C library: wrap_selection on a 1 MiB text against a
// memcpy of 1 MiB, and str_new + str_free with the application's 32 strings live against
// malloc + free. Prints the ratios measured in this run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/core/wrap_selection.h"
#include "bench/ratio_reporter.h"

namespace {

constexpr int32_t kMiB = 1 << 20;

void BM_Memcpy1MiB(benchmark::State& state) {
  std::vector<char> from(kMiB, 'x'), to(kMiB);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), kMiB);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Memcpy1MiB);

void BM_WrapSelection1MiB(benchmark::State& state) {
  RtString text = str_new(kMiB);
  std::memset(text, 'a', kMiB);
  RtString start_tag = str_from_text("<b>");
  RtString end_tag = str_from_text("</b>");
  for (auto _ : state) {
    RtString replacement = wrap_selection(text, kMiB / 4, kMiB / 4 + kMiB / 2, start_tag, end_tag);
    benchmark::DoNotOptimize(replacement);
    str_free(replacement);
  }
  for (RtString s : {text, start_tag, end_tag}) str_free(s);
}
BENCHMARK(BM_WrapSelection1MiB);

void BM_MallocFree(benchmark::State& state) {
  for (auto _ : state) {
    void* p = std::malloc(16 + 5);
    benchmark::DoNotOptimize(p);
    std::free(p);
  }
}
BENCHMARK(BM_MallocFree);

void BM_StrNewFree(benchmark::State& state) {
  std::vector<RtString> application_strings;
  application_strings.reserve(32);
  for (int i = 0; i < 32; ++i) application_strings.push_back(str_new(0));
  for (auto _ : state) {
    RtString s = str_new(16);
    benchmark::DoNotOptimize(s);
    str_free(s);
  }
  for (RtString s : application_strings) str_free(s);
}
BENCHMARK(BM_StrNewFree);

}  // namespace

int main(int argc, char** argv) {
  rt_init();
  initialize_benchmarks(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.print_ratio("wrap_selection 1 MiB / memcpy 1 MiB", "BM_WrapSelection1MiB",
                       "BM_Memcpy1MiB", 8);
  reporter.print_ratio("str_new+str_free / malloc+free", "BM_StrNewFree", "BM_MallocFree", 6);
  benchmark::Shutdown();
  return 0;
}
