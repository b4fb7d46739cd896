#pragma once
#include <string>

#include "model/Point3D.h"

namespace tarvix {

class KRadarProfile;

// A value in 1/100000 degree as whole degrees, minutes and truncated seconds: 13.25 degrees
// reads 13°15'00''; south and west carry a leading "-" before the unsigned parts.
std::string DegreeText(double value);

// The position under the mouse, as the status bar shows it: local coordinates in the display
// unit, UTM zone, northing and easting, or longitude and latitude.
std::string LocalPositionText(const point3D& world);
std::string UtmPositionText(const point3D& world);
std::string GeographicPositionText(const point3D& world);

// The hovered profile: its data file and the data width in use, or its size.
std::string ProfileFileText(const KRadarProfile& profile);
std::string ProfileSizeText(const KRadarProfile& profile);

}  // namespace tarvix
