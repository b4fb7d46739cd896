#include "model/KGPSProfile.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

#include "model/SafeFileWriter.h"
#include "model/TextLines.h"
#include "sitemap/Geodesy.h"

namespace tarvix {

namespace {

constexpr double kDegreeScale = 100000.0;
// The longest line a coordinate file may hold; longer lines are damage and carry no fix, since
// a cut could fall in the middle of a number.
constexpr std::size_t kMaxLineLength = 255;

point3D PositionOf(const CCoord& fix) {
  return {fix.longitude * kDegreeScale, fix.latitude * kDegreeScale, fix.altitude};
}

point3D Between(const CCoord& earlier, const CCoord& later, std::int64_t trace) {
  // The fraction has always been single precision; the coordinates are blended in double.
  const float f = static_cast<float>(trace - earlier.trace) /
                  static_cast<float>(static_cast<std::int64_t>(later.trace) - earlier.trace);
  CCoord blend;
  blend.latitude = earlier.latitude + (later.latitude - earlier.latitude) * f;
  blend.longitude = earlier.longitude + (later.longitude - earlier.longitude) * f;
  blend.altitude = earlier.altitude + (later.altitude - earlier.altitude) * f;
  return PositionOf(blend);
}

// strtol of a 32-bit long: out-of-range numbers stop at the limits, no number reads as 0.
std::int32_t LeadingInt(const std::string& text) {
  const long long value = std::strtoll(text.c_str(), nullptr, 10);
  return static_cast<std::int32_t>(std::clamp<long long>(value, std::numeric_limits<std::int32_t>::min(),
                                                         std::numeric_limits<std::int32_t>::max()));
}

bool IsHemisphere(std::string text, const char* expected) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text == expected;
}

// Only fields followed by a TAB count; the text after the last TAB is never used.
std::optional<CCoord> ParseFix(const std::string& line) {
  CCoord fix;
  int field = 0;
  for (std::size_t start = 0, tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1) {
    const std::string text = line.substr(start, tab - start);
    switch (++field) {
      case 1: fix.trace = LeadingInt(text); break;
      case 4: fix.latitude = std::strtod(text.c_str(), nullptr); break;
      case 5: if (!IsHemisphere(text, "N")) fix.latitude = -fix.latitude; break;
      case 6: fix.longitude = std::strtod(text.c_str(), nullptr); break;
      case 7: if (!IsHemisphere(text, "E")) fix.longitude = -fix.longitude; break;
      case 8: fix.altitude = std::strtod(text.c_str(), nullptr); break;
      default: break;
    }
  }
  if (field < 6) return std::nullopt;
  return fix;
}

}  // namespace

bool KGPSProfile::ReadCoordinates(const std::string& basePath) {
  coords.clear();
  orderChecked_ = false;
  TextLineReader in(basePath + ".cor");
  if (!in.IsOpen()) return false;
  while (const auto line = in.ReadLine(kMaxLineLength + 1)) {
    if (line->size() > kMaxLineLength) continue;
    if (const auto fix = ParseFix(*line)) coords.push_back(std::make_unique<CCoord>(*fix));
  }
  return true;
}

KGPSProfile::WrittenTime KGPSProfile::FormatWrittenTime(std::time_t when) {
  std::tm local{};
#ifdef _WIN32
  const bool converted = localtime_s(&local, &when) == 0;
#else
  const bool converted = localtime_r(&when, &local) != nullptr;
#endif
  char date[32];
  char time[32];
  if (!converted || std::strftime(date, sizeof date, "%Y-%m-%d", &local) == 0 ||
      std::strftime(time, sizeof time, "%H:%M:%S", &local) == 0)
    return {"Invalid DateTime", "Invalid DateTime"};
  return {date, time};
}

bool KGPSProfile::WriteCoordinates(const std::string& basePath) const {
  SafeFileWriter out(basePath + ".cor");
  if (!out.IsOpen()) return false;
  const WrittenTime now = FormatWrittenTime(std::time(nullptr));
  for (const auto& fix : coords)
    out.WriteLine(Format("%d\t%s\t%s\t%-14.11f\t%s\t%-14.11f\t%s\t%-5.1f\tM\t0.0", fix->trace, now.date.c_str(),
                         now.time.c_str(), std::fabs(fix->latitude), fix->latitude >= 0 ? "N" : "S",
                         std::fabs(fix->longitude), fix->longitude >= 0 ? "E" : "W", fix->altitude));
  return out.Commit();
}

void KGPSProfile::AddCoordinateFromUtm(const point3D& point, int index, const std::string& zone) {
  double latitude = point.y;
  double longitude = point.x;
  FromUtmWgs84(latitude, longitude, zone);
  auto fix = std::make_unique<CCoord>();
  fix->trace = index + 1;
  fix->latitude = latitude;
  fix->longitude = longitude;
  fix->altitude = point.z;
  coords.push_back(std::move(fix));
}

bool KGPSProfile::FixesAscend() const {
  if (!orderChecked_ || orderCheckedData_ != coords.data() || orderCheckedSize_ != coords.size()) {
    ascending_ = std::is_sorted(coords.begin(), coords.end(),
                                [](const auto& a, const auto& b) { return a->trace < b->trace; });
    orderCheckedData_ = coords.data();
    orderCheckedSize_ = coords.size();
    orderChecked_ = true;
  }
  return ascending_;
}

template <typename Emit>
void KGPSProfile::InterpolateRun(std::int64_t first, std::int64_t count, Emit&& emit) const {
  if (coords.empty()) {
    for (std::int64_t k = 0; k < count; ++k) emit(point3D{});
    return;
  }
  const CCoord& front = *coords.front();
  const CCoord& back = *coords.back();
  auto firstAtOrAfter = [this](std::int64_t trace, std::size_t from) {
    return static_cast<std::size_t>(
        std::find_if(coords.begin() + static_cast<std::ptrdiff_t>(from), coords.end(),
                     [trace](const auto& fix) { return fix->trace >= trace; }) -
        coords.begin());
  };
  // With ascending fixes the first fix at or after the trace only moves forward along the run,
  // and finding it for the first trace by binary search keeps single look-ups cheap.
  const bool ascending = FixesAscend();
  std::size_t next = 0;
  if (ascending)
    next = static_cast<std::size_t>(
        std::lower_bound(coords.begin(), coords.end(), first,
                         [](const auto& fix, std::int64_t trace) { return fix->trace < trace; }) -
        coords.begin());
  for (std::int64_t k = 0; k < count; ++k) {
    const std::int64_t trace = first + k;
    if (trace < front.trace) {
      emit(PositionOf(front));
      continue;
    }
    if (trace > back.trace) {
      emit(PositionOf(back));
      continue;
    }
    // The back fix is at or after the trace, so a fix is found; when it is the front fix, the
    // trace cannot be below it, so it is an exact match and no fix before it is needed.
    next = ascending ? firstAtOrAfter(trace, next) : firstAtOrAfter(trace, 0);
    const CCoord& fix = *coords[next];
    emit(fix.trace == trace ? PositionOf(fix) : Between(*coords[next - 1], fix, trace));
  }
}

point3D KGPSProfile::GetPositionAtTrace(bool interpolate, int trace) const {
  if (!interpolate) {
    if (trace < 0 || static_cast<std::size_t>(trace) >= coords.size()) return {};
    return PositionOf(*coords[static_cast<std::size_t>(trace)]);
  }
  point3D position;
  InterpolateRun(trace, 1, [&position](const point3D& p) { position = p; });
  return position;
}

int KGPSProfile::GetTracePositions(std::vector<point3D>& points, int firstTrace, int count) const {
  points.clear();
  if (count == 1 || firstTrace > 0) {
    count = std::max(count, 0);
    points.reserve(static_cast<std::size_t>(count));
    InterpolateRun(firstTrace, count, [&points](const point3D& p) { points.push_back(p); });
    return count;
  }
  points.reserve(coords.size());
  for (const auto& fix : coords) points.push_back(PositionOf(*fix));
  return static_cast<int>(coords.size());
}

double KGPSProfile::DistanceToPoint(const point3D& point) const {
  std::optional<double> nearest;
  InterpolateRun(1, header.lastTrace, [&](const point3D& p) {
    const double dx = point.x - std::trunc(p.x);
    const double dy = point.y - std::trunc(p.y);
    const double distance = std::sqrt(dx * dx + dy * dy);
    if (!nearest || distance < *nearest) nearest = distance;
  });
  return nearest.value_or(0);
}

}  // namespace tarvix
