#pragma once
#include <string>

namespace tarvix {

class KRadarProfile;
struct Hyperbola;

// The two status-bar panes the profile view fills: the profile (or the hyperbola's parameters)
// and the trace and sample under the mouse.
std::string ProfileStatusText(const Hyperbola* hyperbola, const KRadarProfile* profileUnderMouse, bool is32Bit);
std::string TraceStatusText(const KRadarProfile* profileUnderMouse, bool forward, int mouseTrace, int mouseSample);

}  // namespace tarvix
