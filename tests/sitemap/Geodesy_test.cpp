#include "sitemap/Geodesy.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "sitemap/Ellipsoids.h"

namespace tarvix {
namespace {

constexpr double kMillimetre = 0.001;
constexpr double kPiRadians = 3.14159265358979323846;

enum class Zones { WithExceptions, Regular };

UtmCoordinate Convert(Zones zones, double latitude, double longitude) {
  return zones == Zones::WithExceptions ? LatLongToUtm(kWgs84EllipsoidId, latitude, longitude)
                                        : LatLongToUtmRegular(kWgs84EllipsoidId, latitude, longitude);
}

struct WorkedExample {
  double latitude;
  double longitude;
  Zones zones;
  const char* zone;
  std::optional<double> northing;
  std::optional<double> easting;
  double tolerance;
};

TEST(Geodesy, WorkedExamplesOnWgs84ByCoreAndInPlaceForms) {
  const WorkedExample examples[] = {
      {0.0, 3.0, Zones::WithExceptions, "31N", 0.0, 500000.0, kMillimetre},
      {0.0, 3.0, Zones::Regular, "31N", 0.0, 500000.0, kMillimetre},
      {60.0, 5.0, Zones::WithExceptions, "32V", 6658157.195, 276979.926, kMillimetre},
      {60.0, 5.0, Zones::Regular, "31V", 6653097.428, 611544.042, kMillimetre},
      {78.0, 10.0, Zones::WithExceptions, "33X", std::nullopt, 384085.474, kMillimetre},
      {78.0, 10.0, Zones::Regular, "32X", std::nullopt, std::nullopt, 0.0},
      {-33.9, 18.4, Zones::WithExceptions, "34H", 6245888.050, 259583.222, kMillimetre},
      {-33.9, 18.4, Zones::Regular, "34H", 6245888.050, 259583.222, kMillimetre},
      // 55 42' N 13 12' E, a baseline start point in southern Sweden.
      {55.7, 13.2, Zones::Regular, "33U", 6174159.3, 386876.7, 0.1},
      // Just south of the equator the false northing applies: 1e-6 degree is 0.1105 m of arc.
      {-1e-6, 3.0, Zones::WithExceptions, "31M", 10000000.0 - 0.1105, 500000.0, kMillimetre},
  };
  for (const WorkedExample& example : examples) {
    SCOPED_TRACE(testing::Message() << example.latitude << ' ' << example.longitude << ' ' << example.zone);
    const UtmCoordinate utm = Convert(example.zones, example.latitude, example.longitude);
    EXPECT_EQ(utm.zone, example.zone);
    if (example.northing) {
      EXPECT_NEAR(utm.northing, *example.northing, example.tolerance);
    }
    if (example.easting) {
      EXPECT_NEAR(utm.easting, *example.easting, example.tolerance);
    }

    double first = example.latitude;
    double second = example.longitude;
    const std::string zone = example.zones == Zones::WithExceptions ? ToUtmWgs84(first, second)
                                                                    : ToUtmRegularWgs84(first, second);
    EXPECT_EQ(zone, utm.zone);
    EXPECT_EQ(first, utm.northing);
    EXPECT_EQ(second, utm.easting);
  }
}

TEST(Geodesy, CapeTownConvertsBackInPlace) {
  double first = 6245888.050;
  double second = 259583.222;
  FromUtmWgs84(first, second, "34H");
  EXPECT_NEAR(first, -33.9, 1e-8);
  EXPECT_NEAR(second, 18.4, 1e-8);
}

TEST(Geodesy, BandLettersAreClosedBelowAndOpenAbove) {
  constexpr const char* kBands = "CDEFGHJKLMNPQRSTUVWX";
  for (int band = 0; band < 20; ++band) {
    const double bottom = -80.0 + 8.0 * band;
    const char below = band == 0 ? 'Z' : kBands[band - 1];
    SCOPED_TRACE(bottom);
    EXPECT_EQ(UtmZoneLetter(bottom), kBands[band]);
    EXPECT_EQ(UtmZoneLetter(bottom + 4.0), kBands[band]);
    EXPECT_EQ(UtmZoneLetter(std::nextafter(bottom, -1000.0)), below);
  }
  const struct {
    double latitude;
    char letter;
  } top[] = {{80.0, 'X'},  {84.0, 'X'},  {std::nextafter(84.0, 1000.0), 'Z'}, {84.0001, 'Z'},
             {90.0, 'Z'},  {-80.0001, 'Z'}, {-90.0, 'Z'}, {std::numeric_limits<double>::quiet_NaN(), 'Z'}};
  for (const auto& [latitude, letter] : top) EXPECT_EQ(UtmZoneLetter(latitude), letter) << latitude;
}

TEST(Geodesy, NorwayAndSvalbardZonesOnlyWithExceptions) {
  const struct {
    double latitude;
    double longitude;
    const char* withExceptions;
    const char* regular;
  } cases[] = {
      // South-western Norway widens 32V over 3..12 E between 56 and 64 N.
      {56.0, 3.0, "32V", "31V"},
      {63.9999, 5.0, "32V", "31V"},
      {55.9999, 5.0, "31U", "31U"},
      {64.0, 5.0, "31W", "31W"},
      {60.0, 2.9999, "31V", "31V"},
      {60.0, 11.9999, "32V", "32V"},
      {60.0, 12.0, "33V", "33V"},
      // Svalbard has four wide zones between 72 and 84 N.
      {72.0, 0.0, "31X", "31X"},
      {72.0, 8.9999, "31X", "32X"},
      {72.0, 9.0, "33X", "32X"},
      {78.0, 20.9999, "33X", "34X"},
      {78.0, 21.0, "35X", "34X"},
      {83.9999, 32.9999, "35X", "36X"},
      {80.0, 33.0, "37X", "36X"},
      {80.0, 41.9999, "37X", "37X"},
      {80.0, 42.0, "38X", "38X"},
      {80.0, -0.0001, "30X", "30X"},
      {84.0, 10.0, "32X", "32X"},
      {71.9999, 10.0, "32W", "32W"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.latitude << ' ' << c.longitude);
    EXPECT_EQ(LatLongToUtm(kWgs84EllipsoidId, c.latitude, c.longitude).zone, c.withExceptions);
    EXPECT_EQ(LatLongToUtmRegular(kWgs84EllipsoidId, c.latitude, c.longitude).zone, c.regular);
  }
}

TEST(Geodesy, LongitudesWrapOntoMinus180To180) {
  const struct {
    double longitude;
    double same;
    const char* zone;
  } cases[] = {
      {180.0, -180.0, "1P"}, {-180.0, -180.0, "1P"}, {183.0, -177.0, "1P"}, {359.0, -1.0, "30P"},
      {539.0, 179.0, "60P"}, {720.5, 0.5, "31P"},
      // Below -180 too: a zone 0 or below does not exist.
      {-183.0, 177.0, "60P"}, {-540.0, -180.0, "1P"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.longitude);
    const UtmCoordinate wrapped = LatLongToUtmRegular(kWgs84EllipsoidId, 10.0, c.longitude);
    const UtmCoordinate direct = LatLongToUtmRegular(kWgs84EllipsoidId, 10.0, c.same);
    EXPECT_EQ(wrapped.zone, c.zone);
    EXPECT_EQ(direct.zone, c.zone);
    EXPECT_NEAR(wrapped.easting, direct.easting, 1e-6);
    EXPECT_NEAR(wrapped.northing, direct.northing, 1e-6);
  }
}

TEST(Geodesy, InverseReadsZoneNumberAsLeadingDigits) {
  // On the central meridian the longitude is the zone's central meridian, unnormalised.
  const struct {
    const char* zone;
    double longitude;
  } cases[] = {
      {"31N", 3.0}, {"007N", -141.0}, {"60X", 177.0}, {"61N", 183.0},
      {"N", -183.0}, {"", -183.0}, {"-5N", -183.0}, {"99999999999999999999N", -183.0},
  };
  for (const auto& c : cases) {
    const GeoCoordinate geo = UtmToLatLong(kWgs84EllipsoidId, 1000000.0, 500000.0, c.zone);
    EXPECT_NEAR(geo.longitude, c.longitude, 1e-12) << '"' << c.zone << '"';
  }
}

TEST(Geodesy, InverseHemisphereFollowsBandLetter) {
  const struct {
    double latitude;
    double longitude;
    const char* zone;  // given to the inverse
  } cases[] = {
      {-33.9, 18.4, "34H"}, {-33.9, 18.4, "34"},  {-33.9, 18.4, "34C"},
      {-33.9, 18.4, "34M"}, {-33.9, 18.4, "34h"}, {-0.5, 3.0, "31m"},
      {45.0, 18.4, "34T"},  {45.0, 18.4, "34t"},  {0.0, 3.0, "31N"},
      {45.0, 18.4, "34X"},
      // Beyond the bands both poles carry Z; the northing tells them apart.
      {-85.0, 10.0, "32Z"}, {-89.5, -100.0, "14Z"}, {86.0, 10.0, "32Z"}, {89.5, 10.0, "32z"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.latitude << ' ' << c.longitude << ' ' << c.zone);
    const UtmCoordinate utm = LatLongToUtmRegular(kWgs84EllipsoidId, c.latitude, c.longitude);
    ASSERT_EQ(std::stoi(utm.zone), std::stoi(c.zone));
    const GeoCoordinate geo = UtmToLatLong(kWgs84EllipsoidId, utm.northing, utm.easting, c.zone);
    EXPECT_NEAR(geo.latitude, c.latitude, 1e-8);
    EXPECT_NEAR(geo.longitude, c.longitude, 1e-8);
  }
}

TEST(Geodesy, RoundTripReturnsInputWithinEveryZone) {
  // A degree of longitude shrinks with the latitude, so longitudes are compared as arc.
  for (int zone = 1; zone <= 60; ++zone) {
    for (double latitude = -80.0; latitude <= 84.0; latitude += 1.0) {
      for (double offset = -3.0; offset < 3.0; offset += 0.25) {
        const double longitude = 6.0 * zone - 183.0 + offset;
        const UtmCoordinate utm = LatLongToUtmRegular(kWgs84EllipsoidId, latitude, longitude);
        const GeoCoordinate geo = UtmToLatLong(kWgs84EllipsoidId, utm.northing, utm.easting, utm.zone);
        EXPECT_NEAR(geo.latitude, latitude, 1e-8) << latitude << ' ' << longitude;
        EXPECT_NEAR((geo.longitude - longitude) * std::cos(latitude * kPiRadians / 180.0), 0.0, 1e-8)
            << latitude << ' ' << longitude;
      }
    }
  }
}

TEST(Geodesy, EllipsoidChoiceChangesTheGrid) {
  // International and WGS-84 differ by about 200 m in northing in central Europe.
  const UtmCoordinate wgs84 = LatLongToUtm(kWgs84EllipsoidId, 50.0, 10.0);
  const UtmCoordinate international = LatLongToUtm(14, 50.0, 10.0);
  EXPECT_EQ(international.zone, "32U");
  EXPECT_GT(std::abs(international.northing - wgs84.northing), 100.0);
  const GeoCoordinate back = UtmToLatLong(14, international.northing, international.easting, "32U");
  EXPECT_NEAR(back.latitude, 50.0, 1e-8);
  EXPECT_NEAR(back.longitude, 10.0, 1e-8);
}

TEST(Ellipsoids, RowsAreIndexedByIdAndUnknownIdsGiveThePlaceholder) {
  const auto& table = EllipsoidTable();
  for (std::size_t row = 1; row < table.size(); ++row) EXPECT_EQ(table[row].id, static_cast<int>(row));
  const Ellipsoid& wgs84 = EllipsoidById(kWgs84EllipsoidId);
  EXPECT_STREQ(wgs84.name, "WGS-84");
  EXPECT_EQ(wgs84.equatorialRadius, 6378137.0);
  EXPECT_EQ(wgs84.eccentricitySquared, 0.00669438);
  for (int id : {-1, 0, 24, 1000}) EXPECT_EQ(EllipsoidById(id).id, -1) << id;
}

}  // namespace
}  // namespace tarvix
