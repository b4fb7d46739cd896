#include "sitemap/MapStatusText.h"

#include <cmath>
#include <cstdlib>

#include "app/AppContext.h"
#include "app/TextHelpers.h"
#include "model/KRadarProfile.h"
#include "model/TextLines.h"
#include "sitemap/Geodesy.h"
#include "sitemap/MapTransform.h"

namespace tarvix {

namespace {

constexpr double kDegreeScale = 100000.0;

}  // namespace

std::string DegreeText(double value) {
  const double degrees = value / kDegreeScale;
  const int whole = TruncToInt(degrees);
  // The seconds are truncated after the subtraction, so 13.2 degrees reads 13°11'59''.
  const int seconds = TruncToInt((degrees - whole) * 3600);
  const int minutes = seconds / 60;
  const int rest = seconds % 60;
  const std::string text = Format("%d\u00B0%02d'%02d''", std::abs(whole), std::abs(minutes), std::abs(rest));
  return degrees < 0 ? "-" + text : text;
}

std::string LocalPositionText(const point3D& world) {
  const std::string unit = UnitLabel();
  return Format("x = %4.1f %s : y = %4.1f %s", MetresToDisplay(world.x), unit.c_str(), MetresToDisplay(world.y),
                unit.c_str());
}

std::string UtmPositionText(const point3D& world) {
  double northing = world.y / kDegreeScale;
  double easting = world.x / kDegreeScale;
  const std::string zone = ToUtmWgs84(northing, easting);
  return Format("Zone: %s | Northing: %d | Easting: %d", zone.c_str(), TruncToInt(northing), TruncToInt(easting));
}

std::string GeographicPositionText(const point3D& world) {
  return "Longitude = " + DegreeText(world.x) + " : Latitude = " + DegreeText(world.y);
}

std::string ProfileFileText(const KRadarProfile& profile) {
  return "Profile: " + FileNameOfPath(profile.GetDataPath()) + (App().is32BitData ? " (32 bits)" : " (16 bits)");
}

std::string ProfileSizeText(const KRadarProfile& profile) {
  return Format("Samples [%d] : Traces [%d]", profile.header.samples, profile.header.lastTrace);
}

}  // namespace tarvix
