#include <gtest/gtest.h>

#include <algorithm>

#include "DemoSurvey.h"
#include "ViewFixture.h"

namespace tarvix {
namespace {

// Energy of the trace window's samples [s0, s1] of trace t (one band, window at column 0).
double Energy(const CTarvixView& view, int t, int s0, int s1) {
  const int samples = view.Displayed().at(0).samples;
  const auto position = view.Traces().Position(0, t, 1, samples);
  if (!position) return 0;
  double energy = 0;
  for (int s = std::max(s0, 0); s <= std::min(s1, samples - 1); ++s) {
    const double v = view.Traces().Samples16()[*position + static_cast<std::size_t>(s)];
    energy += v * v;
  }
  return energy;
}

// The energy next to a reflector's apex against the energy along its diffraction hyperbola
// 10 to 60 traces to either side: migration at the true velocity gathers the arms into the apex.
double ApexToArms(const CTarvixView& view, const demo::ProfileModel& model, const demo::PointReflector& point,
                  const KMarker& apex) {
  constexpr int kHalf = 6;  // samples either side, about half the pulse
  double near = 0;
  for (int t = apex.trace - 3; t <= apex.trace + 3; ++t) near += Energy(view, t, apex.sample - kHalf, apex.sample + kHalf);
  const double dt = model.timeWindow / model.samples;
  const double apexTime = demo::TravelTime(model, point.position, point.position, point.depth);
  double arms = 0;
  for (int offset = 10; offset <= 60; ++offset)
    for (int side : {-1, 1}) {
      const int t = apex.trace + side * offset;
      const double delay = demo::TravelTime(model, t * model.traceInterval, point.position, point.depth) - apexTime;
      const int s = apex.sample + static_cast<int>(delay / dt);
      arms += Energy(view, t, s - kHalf, s + kHalf);
    }
  return near / arms;
}

TEST(ProfileViewMigrationTest, MigrationAtTheTrueVelocityGathersEachHyperbolaAtItsApex) {
  for (const auto& demo : demo::DemoProfiles()) {
    testing::ViewFixture f;
    f.app.settings().ZeroLevel = demo::kDemoZeroLevel;
    ASSERT_TRUE(demo::WriteProfile(f.dir.Path().string() + "/", demo));
    ASSERT_TRUE(f.doc.project.sets.emplace_back(std::make_unique<KRadarProfileSet>())
                    ->AddBaseLineProfile(f.survey.BasePath(demo.name), {}, {}, 0, 270.0, 0));
    f.Show(1600, 1000);
    // The demo marks every reflector's apex.
    const auto& apexes = f.doc.project.sets[0]->profiles[0]->markers.items;
    const auto& points = demo.model.reflectors;
    ASSERT_EQ(apexes.size(), points.size());
    const auto shares = [&] {
      std::vector<double> result;
      for (std::size_t i = 0; i < points.size(); ++i) result.push_back(ApexToArms(f.view, demo.model, points[i], apexes[i]));
      return result;
    };
    const auto migrated = [&](double velocity) {
      f.app.settings().Velocity = velocity;
      EXPECT_TRUE(f.view.ReloadTraceWindow());
      return shares();
    };
    const auto before = shares();
    f.doc.state.migrationOn = true;
    EXPECT_FALSE(f.app.ui.waitCursorShown);
    const auto atTrueVelocity = migrated(demo::kDemoVelocity);
    EXPECT_TRUE(f.app.ui.waitCursorShown);
    const auto tooSlow = migrated(demo::kDemoVelocity * 0.6);
    const auto tooFast = migrated(demo::kDemoVelocity * 1.5);
    for (std::size_t i = 0; i < points.size(); ++i) {
      EXPECT_GT(atTrueVelocity[i], 3 * before[i]) << demo.name << " reflector " << i;
      EXPECT_GT(atTrueVelocity[i], 2 * tooSlow[i]) << demo.name << " reflector " << i;
      EXPECT_GT(atTrueVelocity[i], 2 * tooFast[i]) << demo.name << " reflector " << i;
    }
  }
}

}  // namespace
}  // namespace tarvix
