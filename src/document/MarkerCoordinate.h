#pragma once
#include <string>

namespace tarvix {

class KMarker;
class KRadarProfile;

// Where a marker lies, as the "Edit Marker" dialog shows it: plan position and depth for a
// baseline profile, longitude / latitude and depth for a GPS profile.
std::string MarkerCoordinate(const KRadarProfile& profile, const KMarker& marker);

}  // namespace tarvix
