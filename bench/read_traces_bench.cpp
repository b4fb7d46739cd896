// Reading a 4000-trace window from a mapped data file, against a plain memcpy of the same bytes.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "BenchRatio.h"
#include "model/KBaseLineProfile.h"
#include "support/SurveyBuilder.h"
#include "support/TempDir.h"
#include "support/TestApp.h"

namespace tarvix {
namespace {

constexpr int kSamples = 512;
constexpr int kWindow = 4000;
constexpr int kTraces = 6000;

struct Survey {
  testing::TestApp app;
  testing::TempDir dir;
  std::unique_ptr<KBaseLineProfile> profile;
  Survey() {
    app.context.is32BitData = false;  // before the profile is made: it takes the width then
    testing::SurveyBuilder survey(dir.Path().string());
    profile = std::make_unique<KBaseLineProfile>();
    if (!profile->Load(survey.Profile("bench", kSamples, kTraces, false))) std::abort();
  }
};

Survey& TheSurvey() {
  static Survey survey;
  return survey;
}

void BM_ReadTraces16(benchmark::State& state) {
  const auto& profile = *TheSurvey().profile;
  std::vector<std::int16_t> buffer(std::size_t(kWindow) * kSamples);
  for (auto _ : state) {
    profile.ReadTraces16(buffer.data(), 1000, kWindow, false);
    benchmark::DoNotOptimize(buffer.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * std::int64_t(buffer.size() * sizeof(std::int16_t)));
}

void BM_Memcpy(benchmark::State& state) {
  const auto& profile = *TheSurvey().profile;
  std::vector<std::int16_t> buffer(std::size_t(kWindow) * kSamples);
  const auto* source = profile.samples16 + std::size_t(1000) * kSamples;
  for (auto _ : state) {
    std::memcpy(buffer.data(), source, buffer.size() * sizeof(std::int16_t));
    benchmark::DoNotOptimize(buffer.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * std::int64_t(buffer.size() * sizeof(std::int16_t)));
}

BENCHMARK(BM_ReadTraces16)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarvix

int main(int argc, char** argv) {
  return tarvix::bench::RunWithRatios(argc, argv, {{"BM_ReadTraces16", "BM_Memcpy", "ReadTraces16 of 4000 traces"}});
}
