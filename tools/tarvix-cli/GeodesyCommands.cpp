#include <charconv>

#include "CommandLine.h"
#include "Commands.h"
#include "ModelJson.h"
#include "sitemap/Geodesy.h"

namespace tarvix::cli {

namespace {

bool ParseNumber(const std::string& text, double& value) {
  const char* end = text.data() + text.size();
  auto [ptr, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && ptr == end && !text.empty();
}

}  // namespace

int RunUtm(const std::vector<std::string>& words) {
  std::string error;
  auto line = CommandLine::Parse(words, {}, {"regular"}, error);
  if (!line) return UsageError(error);
  double latitude = 0;
  double longitude = 0;
  if (line->positional.size() != 2 || !ParseNumber(line->positional[0], latitude) ||
      !ParseNumber(line->positional[1], longitude))
    return UsageError("utm takes LAT LON in decimal degrees");
  if (latitude < -90 || latitude > 90 || longitude < -180 || longitude > 180)
    return UsageError("LAT must lie in -90..90 and LON in -180..180");
  const std::string zone = line->flags.count("regular") ? ToUtmRegularWgs84(latitude, longitude)
                                                        : ToUtmWgs84(latitude, longitude);
  PrintJson({{"zone", zone}, {"northing", latitude}, {"easting", longitude}});
  return kOk;
}

int RunLatLon(const std::vector<std::string>& words) {
  std::string error;
  auto line = CommandLine::Parse(words, {}, {}, error);
  if (!line) return UsageError(error);
  double northing = 0;
  double easting = 0;
  if (line->positional.size() != 3 || !ParseNumber(line->positional[1], northing) ||
      !ParseNumber(line->positional[2], easting))
    return UsageError("latlon takes ZONE NORTHING EASTING");
  FromUtmWgs84(northing, easting, line->positional[0]);
  PrintJson({{"latitude", northing}, {"longitude", easting}});
  return kOk;
}

}  // namespace tarvix::cli
