// The console report of Google Benchmark, keeping each benchmark's CPU time per
// iteration so that a program can print ratios measured in the same run.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    // With repetitions the mean, reported after the repetitions, wins.
    for (const Run& run : runs) {
      if (!run.error_occurred &&
          (run.run_type == Run::RT_Iteration || run.aggregate_name == "mean")) {
        cpu_[run.run_name.str()] = run.GetAdjustedCPUTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // Prints "ratio <label> = N.Nx (target at most T x)" when both benchmarks ran.
  void print_ratio(const char* label, const char* measured, const char* baseline,
                   double target) const {
    auto m = cpu_.find(measured), b = cpu_.find(baseline);
    if (m == cpu_.end() || b == cpu_.end() || b->second <= 0) return;
    std::printf("ratio %s = %.2fx (target at most %gx)\n", label, m->second / b->second, target);
  }

 private:
  std::map<std::string, double> cpu_;
};
