#include "document/MarkerCoordinate.h"

#include <cmath>
#include <cstdio>

#include "app/AppContext.h"
#include "model/KMarker.h"
#include "model/KRadarProfile.h"

namespace tarvix {

namespace {

std::string Format(const char* format, auto... values) {
  char text[256];
  std::snprintf(text, sizeof text, format, values...);
  return text;
}

// Degrees, minutes and seconds. West and south keep one sign in front rather than a minus on
// every part.
std::string Dms(float degrees) {
  const float magnitude = std::fabs(degrees);
  const int whole = static_cast<int>(magnitude);
  int seconds = static_cast<int>((magnitude - static_cast<float>(whole)) * 3600);
  const int minutes = seconds / 60;
  seconds %= 60;
  return Format("%s%d\u00b0%02d'%02d''", degrees < 0 ? "-" : "", whole, minutes, seconds);
}

}  // namespace

std::string MarkerCoordinate(const KRadarProfile& profile, const KMarker& marker) {
  const auto& settings = App().settings;
  const point3D at = profile.GetTracePosition(marker.trace);
  // A header without a sampling step has no depth scale.
  const double frequency = profile.header.GetFrequency();
  const double depth =
      frequency > 0 ? MetresToDisplay((marker.sample - settings.ZeroLevel) * settings.Velocity * 0.5 / frequency) : 0;
  if (!profile.IsGPSProfile())
    return Format("X:%-8.2f  Y:%-8.2f  Z:%-8.2f  %s", MetresToDisplay(at.x), MetresToDisplay(at.y), depth,
                  UnitLabel().c_str());
  const float longitude = static_cast<float>(at.x) / 100000;
  const float latitude = static_cast<float>(at.y) / 100000;
  std::string text = Format("%s / %s Depth:%-8.2f", Dms(longitude).c_str(), Dms(latitude).c_str(), depth);
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text + " " + UnitLabel();
}

}  // namespace tarvix
