// The console report of Google Benchmark, keeping the median CPU time per iteration of
// each benchmark over its repetitions, so that a program can print ratios measured in the
// same run that hold still from run to run.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

// Initialises Google Benchmark with five repetitions of every benchmark, reported as their
// aggregates; a --benchmark_repetitions on the command line overrides the five.
inline void initialize_benchmarks(int* argc, char** argv) {
  static std::vector<char*> args;
  static char repetitions[] = "--benchmark_repetitions=5";
  static char aggregates_only[] = "--benchmark_display_aggregates_only=true";
  args.assign(argv, argv + *argc);
  args.insert(args.begin() + 1, {repetitions, aggregates_only});
  args.push_back(nullptr);
  *argc = static_cast<int>(args.size()) - 1;
  benchmark::Initialize(argc, args.data());
}

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}

  // Keeps the median of each benchmark; without repetitions, its one run.
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      const std::string name = run.run_name.str();
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        cpu_[name] = {run.GetAdjustedCPUTime(), run.repetitions};
      } else if (run.run_type == Run::RT_Iteration && run.repetitions <= 1) {
        cpu_[name] = {run.GetAdjustedCPUTime(), 1};
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // Prints "ratio <label> = N.NNx (medians of R runs, target at most T x)" when both
  // benchmarks ran.
  void print_ratio(const char* label, const char* measured, const char* baseline,
                   double target) const {
    auto m = cpu_.find(measured), b = cpu_.find(baseline);
    if (m == cpu_.end() || b == cpu_.end() || b->second.time <= 0) return;
    std::printf("ratio %s = %.2fx (medians of %lld runs, target at most %gx)\n", label,
                m->second.time / b->second.time,
                static_cast<long long>(std::min(m->second.runs, b->second.runs)), target);
  }

 private:
  struct Median {
    double time;
    int64_t runs;
  };
  std::map<std::string, Median> cpu_;
};
