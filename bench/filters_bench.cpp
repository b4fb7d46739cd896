// Throughput of the filters in samples per second, each beside its straightforward version where
// there is one, on a block of 1000 traces of 512 samples sampled at 1000 MHz from a 100 MHz
// antenna. The last pair is the recommended chain through the exported 16-bit function against the
// same chain made of the straightforward filters.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "Agc.h"
#include "BackgroundRemoval.h"
#include "BandPass.h"
#include "ChainFile.h"
#include "Dewow.h"
#include "Envelope.h"
#include "ReferenceFilters.h"
#include "SampleConversion.h"
#include "TimeGain.h"
#include "TraceAveraging.h"
#include "sievex32.h"

namespace {

using namespace tarvix::sievex;
using Filter = std::function<void(TraceBlock&)>;

constexpr int kSamples = 512;
constexpr int kTraces = 1000;
constexpr double kSamples2 = static_cast<double>(kSamples) * kTraces;

// The recommended chain's automatic values for this block: dewow over one 10 ns period, corners
// at 50 and 200 MHz, the mean trace of the whole block, AGC over four periods.
constexpr int kDewowHalf = 5;
constexpr double kLow = 0.05, kHigh = 0.2;
constexpr int kOrder = 4;
constexpr int kAgcHalf = 20;
constexpr double kAgcMaxDb = 40.0;

// Reflections in noise, as 16-bit samples.
const std::vector<std::int16_t>& Traces16() {
  static const std::vector<std::int16_t> traces = [] {
    std::mt19937 random(7);
    std::normal_distribution<double> noise(0.0, 300.0);
    std::vector<std::int16_t> t(static_cast<std::size_t>(kSamples) * kTraces);
    for (int j = 0; j < kTraces; ++j)
      for (int i = 0; i < kSamples; ++i) {
        const double wavelet = 8000.0 * std::exp(-i / 120.0) * std::sin(2 * M_PI * 0.1 * i);
        t[static_cast<std::size_t>(j) * kSamples + i] =
            Saturate<std::int16_t>(wavelet + 2000.0 + noise(random));
      }
    return t;
  }();
  return traces;
}

const TraceBlock& Block() {
  static const TraceBlock block = [] {
    TraceBlock b(kSamples, kTraces);
    ToFloat(Traces16().data(), b);
    return b;
  }();
  return block;
}

void Measure(benchmark::State& state, const Filter& filter) {
  TraceBlock block;
  for (auto _ : state) {
    state.PauseTiming();
    block = Block();
    state.ResumeTiming();
    filter(block);
    benchmark::DoNotOptimize(block.data.data());
  }
  state.counters["samples/s"] = benchmark::Counter(kSamples2, benchmark::Counter::kIsIterationInvariantRate);
}

void StraightforwardChain(TraceBlock& block) {
  reference::Dewow(block, kDewowHalf);
  reference::RecursiveBandPass(block, kLow, kHigh, kOrder);
  reference::RemoveMeanTrace(block);
  reference::Agc(block, kAgcHalf, kAgcMaxDb);
}

// The recommended chain in a list of the library, as the program holds it.
SievexList* RecommendedList() {
  static SievexList* list = [] {
    SievexList* l = FilterListCreate();
    const std::string path = (std::filesystem::temp_directory_path() / "filters_bench.dat").string();
    SaveChainFile(path, RecommendedChain());
    FilterListLoad(l, path.c_str());
    std::filesystem::remove(path);
    return l;
  }();
  return list;
}

SievexDataDescription Description() {
  SievexDataDescription data{};
  data.samplesPerTrace = kSamples;
  data.traceCount = kTraces;
  data.samplingFrequency = 1000.0;
  data.antennaFrequency = 100.0;
  return data;
}

void LibraryChain(TraceBlock& block) {
  static std::vector<std::int16_t> output(Traces16().size());
  SievexDataDescription data = Description();
  FilterListApply(RecommendedList(), Traces16().data(), output.data(), &data);
  benchmark::DoNotOptimize(output.data());
  benchmark::DoNotOptimize(block.data.data());
}

struct Pair {
  std::string name;
  Filter fast;
  Filter straightforward;  // empty where there is none
};

std::vector<Pair> Pairs() {
  return {
      {"dewow", [](TraceBlock& b) { Dewow(b, kDewowHalf); },
       [](TraceBlock& b) { reference::Dewow(b, kDewowHalf); }},
      {"background, 51 traces", [](TraceBlock& b) { RemoveBackground(b, 51); },
       [](TraceBlock& b) { reference::RemoveBackground(b, 25); }},
      {"background, whole block", [](TraceBlock& b) { RemoveBackground(b, 0); },
       [](TraceBlock& b) { reference::RemoveMeanTrace(b); }},
      {"average, 5 traces", [](TraceBlock& b) { AverageTraces(b, 5); },
       [](TraceBlock& b) { reference::AverageTraces(b, 2); }},
      {"band-pass", [](TraceBlock& b) { BandPass(b, kLow, kHigh, kOrder); },
       [](TraceBlock& b) { reference::RecursiveBandPass(b, kLow, kHigh, kOrder); }},
      {"agc", [](TraceBlock& b) { Agc(b, kAgcHalf, kAgcMaxDb); },
       [](TraceBlock& b) { reference::Agc(b, kAgcHalf, kAgcMaxDb); }},
      {"power gain", [](TraceBlock& b) { ApplyGainCurve(b, PowerGainCurve(b.samples, 1.0, 10.0, 1.0)); }, {}},
      {"exponential gain",
       [](TraceBlock& b) { ApplyGainCurve(b, ExponentialGainCurve(b.samples, 1.0, 0.04)); },
       {}},
      {"envelope", [](TraceBlock& b) { Envelope(b); }, {}},
      {"recommended chain, 16-bit", LibraryChain, StraightforwardChain},
  };
}

// Keeps each benchmark's time per iteration for the ratios printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const auto& run : runs) seconds[run.run_name.function_name] = run.GetAdjustedRealTime() * 1e-3;
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> seconds;
};

// The largest difference, in 16-bit sample steps, between the library's chain and the
// straightforward one, so the ratio is known to compare equal work.
double ChainDifference() {
  std::vector<std::int16_t> library(Traces16().size());
  SievexDataDescription data = Description();
  FilterListApply(RecommendedList(), Traces16().data(), library.data(), &data);
  TraceBlock block = Block();
  StraightforwardChain(block);
  std::vector<std::int16_t> straightforward(library.size());
  FromFloat(block, straightforward.data());
  double worst = 0.0;
  for (std::size_t i = 0; i < library.size(); ++i)
    worst = std::max(worst, std::fabs(static_cast<double>(library[i]) - straightforward[i]));
  return worst;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<Pair> pairs = Pairs();
  for (const Pair& pair : pairs) {
    benchmark::RegisterBenchmark(("fast/" + pair.name).c_str(), Measure, pair.fast)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    if (pair.straightforward)
      benchmark::RegisterBenchmark(("straightforward/" + pair.name).c_str(), Measure, pair.straightforward)
          ->Unit(benchmark::kMillisecond)
          ->UseRealTime();
  }
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);

  std::printf("\n%d traces x %d samples\n%-28s %16s %16s %8s\n", kTraces, kSamples, "filter",
              "fast samples/s", "straightf. s/s", "ratio");
  for (const Pair& pair : pairs) {
    const double fast = reporter.seconds["fast/" + pair.name];
    const double slow = reporter.seconds["straightforward/" + pair.name];
    if (fast <= 0.0) continue;
    if (slow > 0.0)
      std::printf("%-28s %16.3e %16.3e %7.1fx\n", pair.name.c_str(), kSamples2 / fast, kSamples2 / slow,
                  slow / fast);
    else
      std::printf("%-28s %16.3e %16s %8s\n", pair.name.c_str(), kSamples2 / fast, "-", "-");
  }
  std::printf("largest difference between the two chains: %.0f sample steps\n", ChainDifference());
  benchmark::Shutdown();
  return 0;
}
