#include "profileview/ProfileStatusTexts.h"

#include <cstdio>

#include "app/TextHelpers.h"
#include "model/KRadarProfile.h"
#include "profileview/Hyperbola.h"

namespace tarvix {

std::string ProfileStatusText(const Hyperbola* hyperbola, const KRadarProfile* profileUnderMouse, bool is32Bit) {
  char text[128];
  if (hyperbola) {
    std::snprintf(text, sizeof text, "Velocity: %5.2f m/\u00b5s  Radius: %5.2f m", static_cast<double>(hyperbola->velocity),
                  static_cast<double>(hyperbola->radius));
    return text;
  }
  if (!profileUnderMouse) return " ";
  return "Profile: " + FileNameOfPath(profileUnderMouse->GetDataPath()) + " " + (is32Bit ? " (32 bits)" : " (16 bits)");
}

std::string TraceStatusText(const KRadarProfile* profileUnderMouse, bool forward, int mouseTrace, int mouseSample) {
  if (!profileUnderMouse) return " ";
  const int traces = profileUnderMouse->header.lastTrace;
  if (mouseTrace < 0 || mouseTrace >= traces) return " ";
  char text[96];
  std::snprintf(text, sizeof text, "Trace: %i   Sample: %i", forward ? mouseTrace : traces - mouseTrace - 1, mouseSample);
  return text;
}

}  // namespace tarvix
