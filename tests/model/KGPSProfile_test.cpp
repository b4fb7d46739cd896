#include "model/KGPSProfile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <optional>
#include <random>
#include <regex>

#include "model/KRadarProfileSet.h"
#include "model/TextLines.h"
#include "sitemap/Geodesy.h"
#include "support/FailingDisk.h"
#include "support/GpsScanOracle.h"
#include "support/SurveyBuilder.h"
#include "support/TempDir.h"
#include "support/TestApp.h"

namespace tarvix {
namespace {

using testing::ReadFileBytes;
using testing::ScanPositionAtTrace;
using testing::SurveyBuilder;
using testing::TempDir;
using testing::TestApp;
using testing::WriteFileBytes;

struct Fix {
  std::int32_t trace;
  double latitude, longitude, altitude;
};

void SetFixes(KGPSProfile& profile, const std::vector<Fix>& fixes) {
  profile.coords.clear();
  for (const Fix& f : fixes) profile.coords.push_back(std::make_unique<CCoord>(CCoord{f.trace, f.latitude, f.longitude, f.altitude}));
}

std::vector<std::string> SplitOn(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + separator.size())
    parts.push_back(text.substr(start, at - start));
  parts.push_back(text.substr(start));
  return parts;
}

TEST(KGPSProfileTest, ReadsFixesFromTabEndedFields) {
  // The padding after the last TAB is never read; it only sets the line's length.
  auto padded = [](std::string line, std::size_t length) { return line + std::string(length - line.size(), 'x'); };
  struct Case {
    std::string line;
    std::optional<Fix> fix;
  };
  const Case cases[] = {
      {"5\t2024-05-01\t10:00:00\t59.5\tN\t18.0\tE\t12.3\tM\t0.0", Fix{5, 59.5, 18.0, 12.3}},
      {"6\td\tt\t59.5\ts\t18.0\te\t1\tM\t0.0", Fix{6, -59.5, 18.0, 1}},
      {"7\td\tt\t59.5\tN \t18.0\tw\t1\tM\t0.0", Fix{7, -59.5, -18.0, 1}},
      {"8\td\tt\t59.5\tN\t18.0\tW", Fix{8, 59.5, 18.0, 0}},  // the longitude's hemisphere is never cut
      {"9\td\tt\t59.5\tN\t18.0", std::nullopt},             // five TAB-ended fields
      {"", std::nullopt},
      {"junk without any tab", std::nullopt},
      {"abc\tx\ty\tnorth\tN\teast\tE\thigh\t", Fix{0, 0, 0, 0}},
      {" -12abc\t\t\t1.5e1xyz\tN\t2\tE\t-3.25\t", Fix{-12, 15, 2, -3.25}},
      {"99999999999\td\tt\t1\tN\t2\tE\t3\t", Fix{std::numeric_limits<std::int32_t>::max(), 1, 2, 3}},
      {padded("10\td\tt\t1\tN\t2\tE\t3\tM\t", 255), Fix{10, 1, 2, 3}},
      {padded("11\td\tt\t1\tN\t2\tE\t3\tM\t", 256), std::nullopt},
      {"12\td\tt\t1\tN\t2\tE\t3\tM\t" + std::string(3'000'000, '\t'), std::nullopt},
      {"13\td\tt\t1\tN\t2\tE\t3\tM\t0.0", Fix{13, 1, 2, 3}},
  };
  std::string text;
  std::vector<Fix> expected;
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    text += cases[i].line + (i % 2 ? "\n" : "\r\n");
    if (cases[i].fix) expected.push_back(*cases[i].fix);
  }
  TestApp app;
  TempDir dir;
  const std::string base = SurveyBuilder(dir.Path().string()).Coordinates("track", text);
  KGPSProfile profile;
  ASSERT_TRUE(profile.ReadCoordinates(base));
  ASSERT_EQ(profile.coords.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("fix " + std::to_string(i));
    EXPECT_EQ(profile.coords[i]->trace, expected[i].trace);
    EXPECT_EQ(profile.coords[i]->latitude, expected[i].latitude);
    EXPECT_EQ(profile.coords[i]->longitude, expected[i].longitude);
    EXPECT_EQ(profile.coords[i]->altitude, expected[i].altitude);
  }
  EXPECT_EQ(profile.GetPositionAtTrace(false, 0), (point3D{1800000, 5950000, 12.3}));
}

TEST(KGPSProfileTest, MissingFileFailsAndEmptyFileSucceeds) {
  TestApp app;
  TempDir dir;
  SurveyBuilder survey(dir.Path().string());
  KGPSProfile profile;
  SetFixes(profile, {{1, 2, 3, 4}});
  EXPECT_FALSE(profile.ReadCoordinates(survey.BasePath("missing")));
  EXPECT_TRUE(profile.coords.empty());
  SetFixes(profile, {{1, 2, 3, 4}});
  EXPECT_TRUE(profile.ReadCoordinates(survey.Coordinates("empty", "")));
  EXPECT_TRUE(profile.coords.empty());
}

TEST(KGPSProfileTest, InterpolatesBetweenTheFixesAroundATrace) {
  struct Case {
    int trace;
    float f;  // share of the way from the fix at 10 to the fix at 20
  };
  const Case cases[] = {{15, 0.5f}, {5, 0}, {25, 1}, {10, 0}, {20, 1}, {13, 3.0f / 10.0f}, {-100, 0}};
  TestApp app;
  KGPSProfile profile;
  SetFixes(profile, {{10, 59.0, 18.0, 100}, {20, 60.0, 19.0, 110}});
  for (const Case& c : cases) {
    const point3D p = profile.GetPositionAtTrace(true, c.trace);
    EXPECT_DOUBLE_EQ(p.y, (59.0 + c.f) * 100000.0) << c.trace;
    EXPECT_DOUBLE_EQ(p.x, (18.0 + c.f) * 100000.0) << c.trace;
    EXPECT_DOUBLE_EQ(p.z, 100 + 10.0 * c.f) << c.trace;
  }
  // The share is single precision: a third is 0.3333333433 of the way, not 0.3333333333.
  SetFixes(profile, {{0, 0, 0, 0}, {3, 1, 0, 0}});
  EXPECT_DOUBLE_EQ(profile.GetPositionAtTrace(true, 1).y, static_cast<double>(1.0f / 3.0f) * 100000.0);
}

TEST(KGPSProfileTest, PositionWithoutInterpolationIsTheFixAtThatIndex) {
  TestApp app;
  KGPSProfile profile;
  EXPECT_EQ(profile.GetPositionAtTrace(true, 5), point3D{});
  EXPECT_EQ(profile.GetPositionAtTrace(false, 0), point3D{});
  SetFixes(profile, {{10, 59.0, 18.0, 100}, {20, 60.0, 19.0, 110}});
  EXPECT_EQ(profile.GetPositionAtTrace(false, 1), (point3D{1900000, 6000000, 110}));
  for (int outside : {-1, 2, 20}) EXPECT_EQ(profile.GetPositionAtTrace(false, outside), point3D{}) << outside;
}

TEST(KGPSProfileTest, TracePositionsInterpolateOrListTheFixes) {
  struct Case {
    int firstTrace, count;
    int returned;
    std::vector<point3D> points;
  };
  const point3D at10{1800000, 5900000, 100}, at20{1900000, 6000000, 110}, at30{2000000, 6100000, 120};
  const Case cases[] = {
      {0, 7, 3, {at10, at20, at30}},    // every fix, whatever the count
      {-4, 2, 3, {at10, at20, at30}},
      {0, 1, 1, {at10}},                // one trace is interpolated
      {19, 3, 3, {{1890000, 5990000, 109}, at20, {1910000, 6010000, 111}}},
      {5, 0, 0, {}},
      {5, -3, 0, {}},
  };
  TestApp app;
  KGPSProfile profile;
  SetFixes(profile, {{10, 59.0, 18.0, 100}, {20, 60.0, 19.0, 110}, {30, 61.0, 20.0, 120}});
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.firstTrace) + ", " + std::to_string(c.count));
    std::vector<point3D> points(9);
    EXPECT_EQ(profile.GetTracePositions(points, c.firstTrace, c.count), c.returned);
    ASSERT_EQ(points.size(), c.points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
      // Interpolated shares are single precision.
      EXPECT_NEAR(points[i].x, c.points[i].x, 1e-2);
      EXPECT_NEAR(points[i].y, c.points[i].y, 1e-2);
      EXPECT_NEAR(points[i].z, c.points[i].z, 1e-5);
    }
  }
}

std::vector<Fix> RandomFixes(std::mt19937& random, int count, bool ascending) {
  std::uniform_int_distribution<int> step(0, 4);  // 0 repeats a trace number
  std::uniform_int_distribution<int> anywhere(-10, 300);
  std::uniform_real_distribution<double> latitude(-60, 60), longitude(-170, 170), altitude(0, 500);
  std::vector<Fix> fixes;
  int trace = anywhere(random) / 10;
  for (int i = 0; i < count; ++i) {
    trace = ascending ? trace + step(random) : anywhere(random);
    fixes.push_back({trace, latitude(random), longitude(random), altitude(random)});
  }
  return fixes;
}

double ScanDistance(const KGPSProfile& profile, const point3D& p) {
  std::optional<double> nearest;
  for (int trace = 1; trace <= profile.header.lastTrace; ++trace) {
    const point3D q = ScanPositionAtTrace(profile.coords, trace);
    const double d = std::sqrt(std::pow(p.x - std::trunc(q.x), 2) + std::pow(p.y - std::trunc(q.y), 2));
    if (!nearest || d < *nearest) nearest = d;
  }
  return nearest.value_or(0);
}

// Every way of asking for interpolated positions must give the scan's points exactly.
void ExpectSameAsScan(const KGPSProfile& profile, std::mt19937& random) {
  constexpr int kLast = 320;
  std::vector<point3D> run;
  ASSERT_EQ(profile.GetTracePositions(run, 1, kLast), kLast);
  for (int trace = 1; trace <= kLast; ++trace)
    ASSERT_EQ(run[trace - 1], ScanPositionAtTrace(profile.coords, trace)) << "run, trace " << trace;
  for (int trace = -15; trace <= kLast; ++trace)
    ASSERT_EQ(profile.GetPositionAtTrace(true, trace), ScanPositionAtTrace(profile.coords, trace)) << trace;
  std::uniform_int_distribution<int> start(1, kLast);
  for (int k = 0; k < 5; ++k) {
    const int first = start(random);
    ASSERT_EQ(profile.GetTracePositions(run, first, 40), 40);
    for (int i = 0; i < 40; ++i) ASSERT_EQ(run[i], ScanPositionAtTrace(profile.coords, first + i)) << first + i;
  }
  std::uniform_real_distribution<double> scaled(-2e7, 2e7);
  for (int k = 0; k < 3; ++k) {
    const point3D p{scaled(random), scaled(random), 0};
    ASSERT_EQ(profile.DistanceToPoint(p), ScanDistance(profile, p));
  }
}

TEST(KGPSProfileTest, FastLookUpMatchesTheScanOnRandomFixes) {
  TestApp app;
  std::mt19937 random(20240611);
  for (bool ascending : {true, false})
    for (int count : {1, 2, 7, 200}) {
      SCOPED_TRACE(std::string(ascending ? "ascending, " : "unordered, ") + std::to_string(count));
      KGPSProfile profile;
      profile.header.lastTrace = 320;
      SetFixes(profile, RandomFixes(random, count, ascending));
      profile.coords.reserve(profile.coords.size() + 1);
      ExpectSameAsScan(profile, random);
      // A fix inserted in place after look-ups were made, out of order behind the first one.
      const auto behindFirst = profile.coords.begin() + (count > 1 ? 1 : 0);
      profile.coords.insert(behindFirst, std::make_unique<CCoord>(CCoord{profile.coords.back()->trace, 1, 2, 3}));
      ExpectSameAsScan(profile, random);
    }
}

std::string CoordinateText(const std::vector<int>& traces) {
  std::string text;
  for (int trace : traces) text += Format("%d\td\tt\t%d.25\tN\t%d.5\tE\t1\tM\t0.0\r\n", trace, trace, trace);
  return text;
}

TEST(KGPSProfileTest, NewFixesOfTheSameCountAreCheckedForOrderAgain) {
  TestApp app;
  TempDir dir;
  SurveyBuilder survey(dir.Path().string());
  const std::string ascending = survey.Coordinates("ascending", CoordinateText({5, 50, 100, 150, 200}));
  const std::string unordered = survey.Coordinates("unordered", CoordinateText({5, 150, 40, 100, 200}));
  std::mt19937 random(7);
  KGPSProfile profile;
  profile.header.lastTrace = 320;
  // Read again over the same array,
  ASSERT_TRUE(profile.ReadCoordinates(ascending));
  ExpectSameAsScan(profile, random);
  ASSERT_TRUE(profile.ReadCoordinates(unordered));
  ExpectSameAsScan(profile, random);
  // or a whole other array put in its place.
  ASSERT_TRUE(profile.ReadCoordinates(ascending));
  ExpectSameAsScan(profile, random);
  KGPSProfile other;
  ASSERT_TRUE(other.ReadCoordinates(unordered));
  profile.coords = std::move(other.coords);
  ExpectSameAsScan(profile, random);
}

TEST(KGPSProfileTest, DistanceToPointUsesTruncatedTracePositions) {
  TestApp app;
  KGPSProfile profile;
  SetFixes(profile, {{1, 0.0000299, 0.0000157, 0}});  // (1.57, 2.99) in scaled degrees
  EXPECT_EQ(profile.DistanceToPoint({1, 2, 0}), 0);   // no traces yet
  profile.header.lastTrace = 3;
  EXPECT_EQ(profile.DistanceToPoint({1, 2, 0}), 0);
  EXPECT_DOUBLE_EQ(profile.DistanceToPoint({4, 6, 0}), 5);
}

TEST(KGPSProfileTest, WrittenLinesReadBackWithTheirPrecision) {
  TestApp app;
  TempDir dir;
  const std::string base = dir.File("track");
  KGPSProfile written;
  SetFixes(written, {{5, 59.5, 18.0, 12.3}, {6, -33.123456789012, -70.987654321098, -4.56}, {7, 0.5, 5.5, 1234.5}});
  ASSERT_TRUE(written.WriteCoordinates(base));

  const auto lines = SplitOn(ReadFileBytes(base + ".cor"), "\r\n");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[3], "");
  const std::vector<std::vector<std::string>> fields = {
      {"5", "59.50000000000", "N", "18.00000000000", "E", "12.3 ", "M", "0.0"},
      {"6", "33.12345678901", "S", "70.98765432110", "W", "-4.6 ", "M", "0.0"},
      {"7", "0.50000000000 ", "N", "5.50000000000 ", "E", "1234.5", "M", "0.0"},
  };
  const std::regex date(R"(\d{4}-\d\d-\d\d)"), time(R"(\d\d:\d\d:\d\d)");
  for (std::size_t i = 0; i < fields.size(); ++i) {
    auto parts = SplitOn(lines[i], "\t");
    ASSERT_EQ(parts.size(), 10u) << lines[i];
    EXPECT_TRUE(std::regex_match(parts[1], date)) << parts[1];
    EXPECT_TRUE(std::regex_match(parts[2], time)) << parts[2];
    EXPECT_EQ(parts[1] + parts[2], SplitOn(lines[0], "\t")[1] + SplitOn(lines[0], "\t")[2]);
    parts.erase(parts.begin() + 1, parts.begin() + 3);
    EXPECT_EQ(parts, fields[i]);
  }

  KGPSProfile read;
  ASSERT_TRUE(read.ReadCoordinates(base));
  ASSERT_EQ(read.coords.size(), written.coords.size());
  for (std::size_t i = 0; i < read.coords.size(); ++i) {
    EXPECT_EQ(read.coords[i]->trace, written.coords[i]->trace);
    EXPECT_NEAR(read.coords[i]->latitude, written.coords[i]->latitude, 5e-12);
    EXPECT_NEAR(read.coords[i]->longitude, written.coords[i]->longitude, 5e-12);
    EXPECT_NEAR(read.coords[i]->altitude, written.coords[i]->altitude, 0.05);
  }
}

TEST(KGPSProfileTest, WrittenTimeIsLocalOrMarkedInvalid) {
  const char* oldZone = std::getenv("TZ");
  const std::string savedZone = oldZone ? oldZone : "";
  setenv("TZ", "UTC", 1);
  tzset();
  struct Case {
    std::time_t when;
    const char* date;
    const char* time;
  };
  const Case cases[] = {
      {0, "1970-01-01", "00:00:00"},
      {1700000000, "2023-11-14", "22:13:20"},
      {std::numeric_limits<std::time_t>::max(), "Invalid DateTime", "Invalid DateTime"},
  };
  for (const Case& c : cases) {
    const auto written = KGPSProfile::FormatWrittenTime(c.when);
    EXPECT_EQ(written.date, c.date);
    EXPECT_EQ(written.time, c.time);
  }
  if (oldZone)
    setenv("TZ", savedZone.c_str(), 1);
  else
    unsetenv("TZ");
  tzset();
}

TEST(KGPSProfileTest, FailedWriteKeepsTheOldFile) {
  TestApp app;
  TempDir dir;
  const std::string base = dir.File("track");
  const std::string old = CoordinateText({1, 2, 3});
  WriteFileBytes(base + ".cor", old);
  KGPSProfile profile;
  std::vector<Fix> many;
  for (int trace = 0; trace < 2000; ++trace) many.push_back({trace, 59, 18, 1});
  SetFixes(profile, many);

  bool written = true;
  testing::WithFullDisk(64, [&] { written = profile.WriteCoordinates(base); });
  EXPECT_FALSE(written);
  EXPECT_EQ(ReadFileBytes(base + ".cor"), old);

  chmod(dir.Path().c_str(), 0555);
  written = testing::InReadOnlyProcess([&] { return profile.WriteCoordinates(base); });
  chmod(dir.Path().c_str(), 0755);
  EXPECT_FALSE(written);
  EXPECT_EQ(ReadFileBytes(base + ".cor"), old);

  EXPECT_FALSE(profile.WriteCoordinates(dir.File("no such folder/track")));
}

TEST(KGPSProfileTest, FixesFromUtmAreOneBasedWithTheirHeight) {
  TestApp app;
  KGPSProfile profile;
  profile.AddCoordinateFromUtm({500000, 0, 7}, 0, "31N");  // the equator on zone 31's meridian
  profile.AddCoordinateFromUtm({400000, 6600000, -2.5}, 41, "33V");
  ASSERT_EQ(profile.coords.size(), 2u);
  EXPECT_EQ(profile.coords[0]->trace, 1);
  EXPECT_NEAR(profile.coords[0]->latitude, 0, 1e-9);
  EXPECT_NEAR(profile.coords[0]->longitude, 3, 1e-9);
  EXPECT_EQ(profile.coords[0]->altitude, 7);
  double latitude = 6600000, longitude = 400000;
  FromUtmWgs84(latitude, longitude, "33V");
  EXPECT_EQ(profile.coords[1]->trace, 42);
  EXPECT_EQ(profile.coords[1]->latitude, latitude);
  EXPECT_EQ(profile.coords[1]->longitude, longitude);
  EXPECT_EQ(profile.coords[1]->altitude, -2.5);
  EXPECT_NEAR(latitude, 59.5, 0.1);
  EXPECT_LT(longitude, 15);
}

TEST(KRadarProfileSetGpsTest, ProfileWithoutCoordinatesIsNotAdded) {
  TestApp app;
  TempDir dir;
  SurveyBuilder survey(dir.Path().string());
  const std::string base = survey.Profile("track", 4, 3, true);
  KRadarProfileSet set;
  EXPECT_EQ(set.AddGPSProfile(base), 2);
  EXPECT_TRUE(set.profiles.empty());
  // The discarded profile let go of its data file: the same profile loads once it has fixes.
  survey.Coordinates("track", CoordinateText({1, 3}));
  ASSERT_EQ(set.AddGPSProfile(base), 0);
  ASSERT_EQ(set.profiles.size(), 1u);
  const auto& profile = static_cast<const KGPSProfile&>(*set.profiles[0]);
  ASSERT_EQ(profile.coords.size(), 2u);
  EXPECT_EQ(profile.coords[1]->trace, 3);
}

}  // namespace
}  // namespace tarvix
