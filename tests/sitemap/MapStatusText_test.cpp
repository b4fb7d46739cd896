#include <gtest/gtest.h>

#include "MapFixture.h"
#include "sitemap/MapStatusText.h"

namespace tarvix {
namespace {

using testing::MapFixture;

TEST(MapStatusTextTest, DegreesReadWholeMinutesAndTruncatedSeconds) {
  struct Case {
    double degrees;
    const char* text;
  };
  const Case cases[] = {
      {13.25, "13\u00B015'00''"},
      // The seconds are truncated after a floating-point subtraction.
      {13.2, "13\u00B011'59''"},
      {-33.5, "-33\u00B030'00''"},
      {-0.5, "-0\u00B030'00''"},
      {0.0, "0\u00B000'00''"},
      {-179.999, "-179\u00B059'56''"},
  };
  for (const auto& c : cases) EXPECT_EQ(DegreeText(c.degrees * 100000), c.text) << c.degrees;
}

TEST(MapStatusTextTest, ThePositionPaneFollowsTheCoordinateMode) {
  struct Case {
    const char* name;
    int version;
    int units;
    bool utm;
    bool scales;
    std::string text;
  };
  const Case cases[] = {
      {"local metres", 1, 0, false, true, "x = 12.5 m : y = -3.0 m"},
      {"local feet", 1, 1, false, true, "x = 41.0 ft : y = -9.8 ft"},
      {"latitude and longitude", 2, 0, false, true, "Longitude = 15\u00B030'00'' : Latitude = -33\u00B030'00''"},
      {"UTM", 2, 0, true, true, "Zone: 33H | Northing: 6293168 | Easting: 546442"},
      {"no scales: the hovered profile's size", 1, 0, false, false, "Samples [256] : Traces [21]"},
  };
  for (const auto& c : cases) {
    MapFixture f(c.version);
    f.app.settings().Orientation = 1;
    f.app.settings().Units = c.units;
    f.AddBaseline(0, {0, 0, 0}, {10, 0, 0}, 5, 90, 1, 21);
    f.Show();
    f.view.utmDisplay = c.utm;
    f.view.showScales = c.scales;
    // The world point under the mouse: (12.5, −3) metres, or 15.5° east, 33.5° south.
    const point3D world = c.version == 2 ? point3D{1550000, -3350000, 0} : point3D{12.5, -3, 0};
    f.view.zoom = 2;
    f.view.scrollX = static_cast<int>(world.x * 2) - 300;
    f.view.scrollY = static_cast<int>(world.y * 2) - 200;
    f.view.hoveredSet = 0;
    f.view.hoveredProfile = 0;
    f.view.lastMousePoint = {300, 200};
    EXPECT_EQ(f.view.PaneText(kMapPositionPane), c.text) << c.name;
  }
}

TEST(MapStatusTextTest, PanesAreBlankWhenNothingApplies) {
  MapFixture f;
  f.AddBaseline(0, {0, 0, 0}, {10, 0, 0}, 5, 90, 1, 21);
  f.Show();
  f.view.showScales = false;
  EXPECT_EQ(f.view.PaneText(kMapProfilePane), " ");
  EXPECT_EQ(f.view.PaneText(kMapPositionPane), " ");
  // A profile index left over from a larger project is no profile.
  f.view.hoveredSet = 0;
  f.view.hoveredProfile = 3;
  EXPECT_EQ(f.view.PaneText(kMapProfilePane), " ");
  EXPECT_EQ(f.view.PaneText(kMapPositionPane), " ");
}

}  // namespace
}  // namespace tarvix
