// Migration of one trace window (4000 traces of 512 samples): the fast version against the
// straightforward walk, measured in the same run on the same block.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "profileview/Migration.h"
#include "support/MigrationOracle.h"

namespace {

using tarvix::MigrationParameters;

constexpr int kTraces = 4000;
constexpr int kSamples = 512;

MigrationParameters Geometry() {
  MigrationParameters p;
  p.samples = kSamples;
  p.timeWindow = kSamples * 1.0;  // 1 GHz sampling
  p.traceInterval = 0.05;
  p.antennaSeparation = 0.1;
  p.velocity = 100.0;
  p.zeroLevel = 40;
  return p;
}

const std::vector<std::int16_t>& Block() {
  static const std::vector<std::int16_t> block = [] {
    std::mt19937 random(42);
    std::uniform_int_distribution<int> value(-32768, 32767);
    std::vector<std::int16_t> b(static_cast<std::size_t>(kTraces) * kSamples);
    for (auto& s : b) s = static_cast<std::int16_t>(value(random));
    return b;
  }();
  return block;
}

// The weighted terms one migration of the block sums.
double Terms() {
  static const double terms = [] {
    auto copy = Block();
    return static_cast<double>(
        tarvix::testing::MigrateOracle(std::span<std::int16_t>(copy), kTraces, Geometry()));
  }();
  return terms;
}

template <typename Migrator>
void Measure(benchmark::State& state, Migrator migrate) {
  const MigrationParameters p = Geometry();
  const double terms = Terms();
  std::vector<std::int16_t> block;
  for (auto _ : state) {
    state.PauseTiming();
    block = Block();
    state.ResumeTiming();
    migrate(std::span<std::int16_t>(block), kTraces, p);
    benchmark::DoNotOptimize(block.data());
  }
  state.counters["terms/s"] = benchmark::Counter(terms, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_MigrateStraightforward(benchmark::State& state) {
  Measure(state, [](std::span<std::int16_t> b, int n, const MigrationParameters& p) {
    tarvix::testing::MigrateOracle(b, n, p);
  });
}
BENCHMARK(BM_MigrateStraightforward)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->Repetitions(3)
    ->UseRealTime();

void BM_MigrateFast(benchmark::State& state) {
  // Kept from block to block, as a trace window keeps it, and past its first block, which
  // allocates the working memory.
  tarvix::Migration migration;
  auto first = Block();
  migration.Apply(std::span<std::int16_t>(first), kTraces, Geometry());
  Measure(state,
          [&](std::span<std::int16_t> b, int n, const MigrationParameters& p) { migration.Apply(b, n, p); });
}
BENCHMARK(BM_MigrateFast)->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(5)->UseRealTime();

// Keeps each benchmark's best repetition for the ratio printed at the end: the other programs on
// a shared machine only ever slow a repetition down.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const auto& run : runs) {
      if (run.run_type != Run::RT_Iteration) continue;
      auto [entry, added] = milliseconds.try_emplace(run.run_name.function_name, run.GetAdjustedRealTime());
      if (!added) entry->second = std::min(entry->second, run.GetAdjustedRealTime());
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> milliseconds;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double slow = reporter.milliseconds["BM_MigrateStraightforward"];
  const double fast = reporter.milliseconds["BM_MigrateFast"];
  if (slow > 0 && fast > 0) {
    char summary[400];
    std::snprintf(summary, sizeof summary,
                  "\nmigration of %d traces x %d samples, %.0f terms, best repetitions\n"
                  "straightforward %10.2f ms  %8.3f G terms/s\n"
                  "fast            %10.2f ms  %8.3f G terms/s\n"
                  "ratio           %10.1f x\n",
                  kTraces, kSamples, Terms(), slow, Terms() / slow * 1e-6, fast, Terms() / fast * 1e-6,
                  slow / fast);
    std::cout << summary;  // after the reporter's own lines, on the same stream
  }
  benchmark::Shutdown();
  return 0;
}
