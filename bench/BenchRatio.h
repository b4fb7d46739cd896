#pragma once
// A benchmark main that prints, after the usual table, the time ratio of named pairs of runs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace tarvix::bench {

struct RatioPair {
  std::string subject;   // the run being measured
  std::string baseline;  // the straightforward run it is compared with
  std::string label;
};

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  explicit RatioReporter(std::vector<RatioPair> pairs) : pairs_(std::move(pairs)) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const auto& run : runs) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const auto& pair : pairs_) {
      const double subject = times_[pair.subject];
      const double baseline = times_[pair.baseline];
      if (subject > 0 && baseline > 0)
        std::printf("%s: %.2f times the speed of %s\n", pair.label.c_str(), baseline / subject,
                    pair.baseline.c_str());
    }
  }

 private:
  std::vector<RatioPair> pairs_;
  std::map<std::string, double> times_;
};

inline int RunWithRatios(int argc, char** argv, std::vector<RatioPair> pairs) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter(std::move(pairs));
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

}  // namespace tarvix::bench
