// The site map of a GPS project of 200 profiles of 20,000 traces (a fix at every trace): one
// paint, and one mouse move over it, whose hover test goes through the map's index, beside the
// straightforward test of every position.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#ifdef TARVIX_BENCH_QTCANVAS
#include <QGuiApplication>
#include <QImage>

#include "gui/QtCanvas.h"
#endif

#include "BenchRatio.h"
#include "sitemap/MapFixture.h"
#include "sitemap/MapHoverOracle.h"
#include "sitemap/MapPicking.h"

namespace tarvix {
namespace {

constexpr int kProfiles = 200;
constexpr int kTraces = 20000;
constexpr int kWidth = 1200;
constexpr int kHeight = 900;

// Roughly parallel tracks a few metres apart, each with a few commented markers.
struct Survey {
  testing::MapFixture f{2};
  std::vector<Point> probes;
  Survey() {
    std::mt19937 random(3);
    std::normal_distribution<double> wobble(0.0, 2e-7);
    for (int p = 0; p < kProfiles; ++p) {
      std::vector<testing::MapFixture::Fix> fixes;
      fixes.reserve(kTraces);
      double latitude = 52.0 + p * 4e-5;
      double longitude = 15.0;
      for (int t = 0; t < kTraces; ++t) {
        latitude += wobble(random);
        longitude += 1e-6 + wobble(random);
        fixes.push_back({t + 1, latitude, longitude});
      }
      auto& track = f.AddGps(kTraces, fixes);
      for (int m = 1; m <= 5; ++m) testing::MapFixture::AddMarker(track, m * 3000, "marker " + std::to_string(m));
    }
    f.Show(kWidth, kHeight);
    std::uniform_int_distribution<int> x(50, kWidth - 51);
    std::uniform_int_distribution<int> y(50, kHeight - 51);
    for (int i = 0; i < 256; ++i) probes.push_back({x(random), y(random)});
  }
};

Survey& TheSurvey() {
  static Survey survey;
  return survey;
}

// Takes the drawing calls and keeps only a count, so the paint's own work is what is measured.
class NullCanvas : public Canvas {
 public:
  long long points = 0;
  void SetPen(const Pen&) override {}
  void SetBrush(const Brush&) override {}
  bool SetFont(const Font&) override { return true; }
  void SetTextColour(Colour) override {}
  void SetBackgroundMode(BackgroundMode) override {}
  void SetBackgroundColour(Colour) override {}
  void SetTextAlign(TextAlign) override {}
  void Line(Point, Point) override { points += 2; }
  void Polyline(const std::vector<Point>& p) override { points += static_cast<long long>(p.size()); }
  void Polygon(const std::vector<Point>& p) override { points += static_cast<long long>(p.size()); }
  void Rectangle(const Rect&) override { ++points; }
  void Ellipse(const Rect&) override { ++points; }
  void RoundRect(const Rect&, int, int) override { ++points; }
  void FillRect(const Rect&, Colour) override {}
  void InvertRect(const Rect&) override {}
  void TextOut(Point, const std::string&) override {}
  void DrawTextCentred(const Rect&, const std::string&) override {}
  Size TextExtent(const std::string& text) override { return {static_cast<int>(text.size()) * 7, 14}; }
  void DrawImage(const Rect&, const ImageView&) override {}
  bool IsPrinting() const override { return false; }
  int PixelsPerInchX() const override { return 96; }
  int PixelsPerInchY() const override { return 96; }
};

void BM_PaintCore(benchmark::State& state) {
  auto& view = TheSurvey().f.view;
  NullCanvas canvas;
  for (auto _ : state) view.OnDraw(canvas);
  benchmark::DoNotOptimize(canvas.points);
}
BENCHMARK(BM_PaintCore)->Unit(benchmark::kMillisecond);

#ifdef TARVIX_BENCH_QTCANVAS
void BM_PaintImage(benchmark::State& state) {
  auto& view = TheSurvey().f.view;
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    QtCanvas canvas(image);
    view.OnDraw(canvas);
  }
}
BENCHMARK(BM_PaintImage)->Unit(benchmark::kMillisecond);
#endif

void BM_MouseMove(benchmark::State& state) {
  auto& survey = TheSurvey();
  survey.f.view.OnMouseMove(survey.probes.front());  // the index is built by the first move
  std::size_t i = 0;
  for (auto _ : state) {
    const auto response = survey.f.view.OnMouseMove(survey.probes[i++ % survey.probes.size()]);
    benchmark::DoNotOptimize(response.repaint);
  }
}
BENCHMARK(BM_MouseMove)->Unit(benchmark::kMillisecond);

// The same hover without the index: every position of every profile is tested.
void BM_MouseMoveEveryTrace(benchmark::State& state) {
  auto& survey = TheSurvey();
  const auto& project = survey.f.doc.project;
  const MapTransform transform = survey.f.view.Transform();
  std::size_t i = 0;
  for (auto _ : state) {
    const Rect box = ReachOf(survey.probes[i++ % survey.probes.size()], 5);
    const auto hits = testing::ProfilesInByEveryPosition(project, transform, box);
    const auto tip = ToolTipIn(project, transform, box);
    benchmark::DoNotOptimize(hits.size());
    benchmark::DoNotOptimize(tip.has_value());
  }
}
BENCHMARK(BM_MouseMoveEveryTrace)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvix

int main(int argc, char** argv) {
#ifdef TARVIX_BENCH_QTCANVAS
  int qtArgc = 3;
  char program[] = "sitemap_bench";
  char option[] = "-platform";
  char platform[] = "offscreen";
  char* qtArgv[] = {program, option, platform, nullptr};
  QGuiApplication application(qtArgc, qtArgv);
#endif
  return tarvix::bench::RunWithRatios(
      argc, argv, {{"BM_MouseMove", "BM_MouseMoveEveryTrace", "Mouse move over 200 profiles of 20000 traces"}});
}
