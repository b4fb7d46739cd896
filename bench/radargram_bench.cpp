// The radargram's paint: a whole 1600 × 1000 view of 4 bands against a 10-column scroll of the
// same view, which reuses the image; and the colour mapping of a 4000 × 512 window, the view's
// chunked loop against the formula written down per sample, in the same order over the image.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <random>
#include <vector>

#include "BenchRatio.h"
#include "document/CTarvixDoc.h"
#include "profileview/CTarvixView.h"
#include "profileview/ProfileAlignment.h"
#include "profileview/SampleColourMap.h"
#include "support/ColourFormula.h"
#include "document/HeadlessDocumentHost.h"
#include "support/RecordingCanvas.h"
#include "support/SurveyBuilder.h"
#include "support/TempDir.h"
#include "support/TestApp.h"

namespace tarvix {
namespace {

constexpr int kSamples = 512;
constexpr int kTraces = 6000;
constexpr int kBands = 4;
constexpr int kWindowSamples = 4000 * kSamples;

std::int32_t Texture(int trace, int sample) { return ((trace * 7 + sample * 13) % 64 - 32) * 1024; }

// Four 16-bit profiles shown in a 1600 × 1000 client area.
struct View {
  testing::TestApp app;
  testing::TempDir dir;
  HeadlessDocumentHost host;
  std::unique_ptr<CTarvixDoc> doc;
  std::unique_ptr<CTarvixView> view;
  View() {
    app.context.is32BitData = false;
    testing::SurveyBuilder survey(dir.Path().string());
    doc = std::make_unique<CTarvixDoc>(host);
    doc->project.sets.push_back(std::make_unique<KRadarProfileSet>());
    for (int k = 0; k < kBands; ++k) {
      const std::string name = "band" + std::to_string(k);
      survey.Header(name, {"SAMPLES:512", "LAST TRACE:6000", "FREQUENCY STEPS:1", "SYSTEM CALIBRATION:0.0001",
                           "DISTANCE FLAG:1", "DISTANCE INTERVAL:0.05"});
      survey.Data16(name, kSamples, kTraces, Texture);
      if (!doc->project.sets[0]->AddBaseLineProfile(survey.BasePath(name), {}, {}, 0, 270.0, k)) std::abort();
    }
    if (!ComputeAlignment(doc->state, doc->project, 0)) std::abort();
    view = std::make_unique<CTarvixView>(*doc, host.list);
    view->OnSize(1600, 1000);
    view->OnInitialUpdate();
    doc->state.firstColumn = 1000;
    Paint();
  }
  void Paint() {
    testing::RecordingCanvas canvas;
    view->OnDraw(canvas);
  }
};

View& TheView() {
  static View view;
  return view;
}

void BM_FullPaint(benchmark::State& state) {
  View& v = TheView();
  for (auto _ : state) {
    v.Paint();
    if (v.view->LastImageUpdate().columns != 1480) state.SkipWithError("not a whole paint");
  }
}

void BM_Scroll10Columns(benchmark::State& state) {
  View& v = TheView();
  int step = 10;
  for (auto _ : state) {
    v.doc->state.firstColumn += step;
    step = -step;
    v.Paint();
    if (v.view->LastImageUpdate().columns != 10) state.SkipWithError("not a 10-column scroll");
  }
}

template <typename Sample>
const std::vector<Sample>& Window() {
  static const std::vector<Sample> window = [] {
    std::mt19937 random(5);
    std::normal_distribution<double> value(0.0, sizeof(Sample) == 2 ? 6000.0 : 6000.0 * 65536.0);
    std::vector<Sample> samples(kWindowSamples);
    for (auto& s : samples) s = static_cast<Sample>(value(random));
    return samples;
  }();
  return window;
}

const PaletteRecord kPalette = [] {
  PaletteRecord palette = PaletteRecord::GreyRamp();
  palette.gain = 3.0f;
  return palette;
}();

// The window's 4000 traces written down the columns of a 4000-pixel-wide image, as the paint
// writes a band.
template <typename Sample, typename MapWindow>
void Measure(benchmark::State& state, MapWindow map) {
  const auto& window = Window<Sample>();
  std::vector<std::uint32_t> image(window.size());
  int traces = 4000;
  int samples = kSamples;
  benchmark::DoNotOptimize(traces);
  benchmark::DoNotOptimize(samples);
  for (auto _ : state) {
    map(window.data(), image.data(), traces, samples);
    benchmark::DoNotOptimize(image.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kWindowSamples);
}

// The straightforward way: every pixel from the formula, trace by trace. The sizes come from
// variables, as the paint has them, so neither version gets compile-time strides.
template <typename Sample, typename Formula>
void ByFormula(const Sample* window, std::uint32_t* image, int traces, int samples, Formula formula) {
  for (int t = 0; t < traces; ++t)
    for (int s = 0; s < samples; ++s)
      image[s * traces + t] = kPalette.colours[static_cast<std::size_t>(
          formula(window[static_cast<std::size_t>(t) * samples + static_cast<std::size_t>(s)], kPalette.gain))];
}

void BM_Map16Fast(benchmark::State& state) {
  SampleColourMap map;
  map.Prepare(kPalette);
  Measure<std::int16_t>(state, [&](const std::int16_t* window, std::uint32_t* image, int traces, int samples) {
    map.Map16(window, samples, traces, samples, image, traces);
  });
}

void BM_Map16Formula(benchmark::State& state) {
  Measure<std::int16_t>(state, [](const std::int16_t* window, std::uint32_t* image, int traces, int samples) {
    ByFormula(window, image, traces, samples, testing::FormulaEntry16);
  });
}

void BM_Map32Fast(benchmark::State& state) {
  SampleColourMap map;
  map.Prepare(kPalette);
  Measure<std::int32_t>(state, [&](const std::int32_t* window, std::uint32_t* image, int traces, int samples) {
    map.Map32(window, samples, traces, samples, image, traces);
  });
}

void BM_Map32Formula(benchmark::State& state) {
  Measure<std::int32_t>(state, [](const std::int32_t* window, std::uint32_t* image, int traces, int samples) {
    ByFormula(window, image, traces, samples, testing::FormulaEntry32);
  });
}

BENCHMARK(BM_FullPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Scroll10Columns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Map16Fast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Map16Formula)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Map32Fast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Map32Formula)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvix

int main(int argc, char** argv) {
  return tarvix::bench::RunWithRatios(
      argc, argv,
      {{"BM_Scroll10Columns", "BM_FullPaint", "10-column scroll of a 1600 x 1000 view"},
       {"BM_Map16Fast", "BM_Map16Formula", "16-bit colour mapping"},
       {"BM_Map32Fast", "BM_Map32Formula", "32-bit colour mapping"}});
}
