#pragma once

#include <string>

namespace tarvix {

// Grid position in metres; the zone is the number followed by the latitude-band letter ("33U").
struct UtmCoordinate {
  double northing = 0.0;
  double easting = 0.0;
  std::string zone;
};

// Decimal degrees, north and east positive.
struct GeoCoordinate {
  double latitude = 0.0;
  double longitude = 0.0;
};

// Latitude band C..X, or 'Z' outside -80..84.
char UtmZoneLetter(double latitude);

// Forward Transverse Mercator on the ellipsoid row `ellipsoidId`; the zone follows from the
// point, honouring the Norway and Svalbard exceptions.
UtmCoordinate LatLongToUtm(int ellipsoidId, double latitude, double longitude);

// As LatLongToUtm, with the zone taken from the longitude alone.
UtmCoordinate LatLongToUtmRegular(int ellipsoidId, double latitude, double longitude);

// Inverse of the forward conversion in the given zone. The longitude is not normalised.
GeoCoordinate UtmToLatLong(int ellipsoidId, double northing, double easting, const std::string& zone);

// In-place forms on WGS-84: the two variables go in as latitude/longitude and come out as
// northing/easting (and back for FromUtmWgs84).
std::string ToUtmWgs84(double& latitudeThenNorthing, double& longitudeThenEasting);
std::string ToUtmRegularWgs84(double& latitudeThenNorthing, double& longitudeThenEasting);
void FromUtmWgs84(double& northingThenLatitude, double& eastingThenLongitude, const std::string& zone);

}  // namespace tarvix
