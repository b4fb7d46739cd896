#include "sitemap/Geodesy.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>

#include "sitemap/Ellipsoids.h"

namespace tarvix {

namespace {

// Every stored coordinate was computed with this truncated pi; keep it so results match them.
constexpr double kPi = 3.14159265;
constexpr double kDegToRad = kPi / 180.0;
constexpr double kRadToDeg = 180.0 / kPi;
constexpr double kK0 = 0.9996;
constexpr double kFalseEasting = 500000.0;
constexpr double kFalseNorthingSouth = 10000000.0;
// Out-of-range points all carry band Z; a northing below this one is then a southern one
// (beyond 84 N northings exceed 9.3e6 m, beyond 80 S they stay below 1.2e6 m).
constexpr double kPolarHemisphereSplit = 5000000.0;

// Onto [-180, 180); floor rather than truncation so that longitudes below -180 wrap too.
double NormalisedLongitude(double longitude) {
  const double shifted = longitude + 180.0;
  return shifted - std::floor(shifted / 360.0) * 360.0 - 180.0;
}

int RegularZone(double normalisedLongitude) {
  if (std::isnan(normalisedLongitude)) return 0;  // no integer to truncate to
  return static_cast<int>((normalisedLongitude + 180.0) / 6.0) + 1;
}

int ZoneWithExceptions(double latitude, double longitude, int zone) {
  if (latitude >= 56.0 && latitude < 64.0 && longitude >= 3.0 && longitude < 12.0) zone = 32;
  if (latitude >= 72.0 && latitude < 84.0) {
    if (longitude >= 0.0 && longitude < 9.0)
      zone = 31;
    else if (longitude >= 9.0 && longitude < 21.0)
      zone = 33;
    else if (longitude >= 21.0 && longitude < 33.0)
      zone = 35;
    else if (longitude >= 33.0 && longitude < 42.0)
      zone = 37;
  }
  return zone;
}

UtmCoordinate Forward(int ellipsoidId, double latitude, double longitude, bool withExceptions) {
  const Ellipsoid& ellipsoid = EllipsoidById(ellipsoidId);
  const double a = ellipsoid.equatorialRadius;
  const double e2 = ellipsoid.eccentricitySquared;
  const double e4 = e2 * e2;
  const double e6 = e4 * e2;

  const double lon = NormalisedLongitude(longitude);
  const double phi = latitude * kDegToRad;
  const double lambda = lon * kDegToRad;

  int zone = RegularZone(lon);
  if (withExceptions) zone = ZoneWithExceptions(latitude, lon, zone);
  const double lambda0 = (6.0 * zone - 183.0) * kDegToRad;

  char zoneText[16];
  std::snprintf(zoneText, sizeof zoneText, "%d%c", zone, UtmZoneLetter(latitude));

  const double ep2 = e2 / (1.0 - e2);
  const double sinPhi = std::sin(phi);
  const double cosPhi = std::cos(phi);
  const double tanPhi = std::tan(phi);
  const double n = a / std::sqrt(1.0 - e2 * sinPhi * sinPhi);
  const double t = tanPhi * tanPhi;
  const double c = ep2 * cosPhi * cosPhi;
  const double aa = cosPhi * (lambda - lambda0);
  const double m =
      a * ((1.0 - e2 / 4.0 - 3.0 * e4 / 64.0 - 5.0 * e6 / 256.0) * phi -
           (3.0 * e2 / 8.0 + 3.0 * e4 / 32.0 + 45.0 * e6 / 1024.0) * std::sin(2.0 * phi) +
           (15.0 * e4 / 256.0 + 45.0 * e6 / 1024.0) * std::sin(4.0 * phi) -
           (35.0 * e6 / 3072.0) * std::sin(6.0 * phi));

  const double a2 = aa * aa;
  const double a3 = a2 * aa;
  const double a4 = a3 * aa;
  const double a5 = a4 * aa;
  const double a6 = a5 * aa;

  UtmCoordinate result;
  result.zone = zoneText;
  result.easting = kK0 * n *
                       (aa + (1.0 - t + c) * a3 / 6.0 +
                        (5.0 - 18.0 * t + t * t + 72.0 * c - 58.0 * ep2) * a5 / 120.0) +
                   kFalseEasting;
  result.northing =
      kK0 * (m + n * tanPhi *
                     (a2 / 2.0 + (5.0 - t + 9.0 * c + 4.0 * c * c) * a4 / 24.0 +
                      (61.0 - 58.0 * t + t * t + 600.0 * c - 330.0 * ep2) * a6 / 720.0));
  if (latitude < 0.0) result.northing += kFalseNorthingSouth;
  return result;
}

// Band letters are read regardless of case: "33m" is as southern as "33M".
bool IsSouthern(char letter, double northing) {
  if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
  if (letter == 'Z') return northing < kPolarHemisphereSplit;
  return letter < 'N';
}

}  // namespace

char UtmZoneLetter(double latitude) {
  if (latitude >= 72.0 && latitude <= 84.0) return 'X';
  if (!(latitude >= -80.0 && latitude < 72.0)) return 'Z';
  // Bands of 8 degrees from -80 upwards; I and O are not used. Compared, not divided, so
  // that a latitude a hair below an edge cannot round into the band above.
  static constexpr char kBands[] = "CDEFGHJKLMNPQRSTUVW";
  int band = 18;
  while (latitude < -80.0 + 8.0 * band) --band;
  return kBands[band];
}

UtmCoordinate LatLongToUtm(int ellipsoidId, double latitude, double longitude) {
  return Forward(ellipsoidId, latitude, longitude, true);
}

UtmCoordinate LatLongToUtmRegular(int ellipsoidId, double latitude, double longitude) {
  return Forward(ellipsoidId, latitude, longitude, false);
}

GeoCoordinate UtmToLatLong(int ellipsoidId, double northing, double easting, const std::string& zone) {
  const Ellipsoid& ellipsoid = EllipsoidById(ellipsoidId);
  const double a = ellipsoid.equatorialRadius;
  const double e2 = ellipsoid.eccentricitySquared;
  const double e4 = e2 * e2;
  const double e6 = e4 * e2;

  const double root = std::sqrt(1.0 - e2);
  const double e1 = (1.0 - root) / (1.0 + root);
  const double x = easting - kFalseEasting;
  double y = northing;

  // The zone number is the leading run of digits; none (or too many) reads as zone 0.
  unsigned zoneNumber = 0;
  const char* const end = zone.data() + zone.size();
  const auto [afterDigits, error] = std::from_chars(zone.data(), end, zoneNumber);
  if (error != std::errc()) zoneNumber = 0;
  const char letter = afterDigits < end ? *afterDigits : '\0';
  if (IsSouthern(letter, northing)) y -= kFalseNorthingSouth;

  const double lambda0 = 6.0 * zoneNumber - 183.0;
  const double ep2 = e2 / (1.0 - e2);

  const double m = y / kK0;
  const double mu = m / (a * (1.0 - e2 / 4.0 - 3.0 * e4 / 64.0 - 5.0 * e6 / 256.0));
  const double e1Cubed = e1 * e1 * e1;
  const double phi1 = mu + (3.0 * e1 / 2.0 - 27.0 * e1Cubed / 32.0) * std::sin(2.0 * mu) +
                      (21.0 * e1 * e1 / 16.0 - 55.0 * e1Cubed * e1 / 32.0) * std::sin(4.0 * mu) +
                      (151.0 * e1Cubed / 96.0) * std::sin(6.0 * mu);

  const double sinPhi1 = std::sin(phi1);
  const double cosPhi1 = std::cos(phi1);
  const double tanPhi1 = std::tan(phi1);
  const double w = 1.0 - e2 * sinPhi1 * sinPhi1;
  const double n1 = a / std::sqrt(w);
  const double t1 = tanPhi1 * tanPhi1;
  const double c1 = ep2 * cosPhi1 * cosPhi1;
  const double r1 = a * (1.0 - e2) / std::pow(w, 1.5);
  const double d = x / (n1 * kK0);
  const double d2 = d * d;
  const double d3 = d2 * d;
  const double d4 = d3 * d;
  const double d5 = d4 * d;
  const double d6 = d5 * d;

  GeoCoordinate result;
  result.latitude =
      (phi1 - (n1 * tanPhi1 / r1) *
                  (d2 / 2.0 - (5.0 + 3.0 * t1 + 10.0 * c1 - 4.0 * c1 * c1 - 9.0 * ep2) * d4 / 24.0 +
                   (61.0 + 90.0 * t1 + 298.0 * c1 + 45.0 * t1 * t1 - 252.0 * ep2 - 3.0 * c1 * c1) *
                       d6 / 720.0)) *
      kRadToDeg;
  result.longitude =
      ((d - (1.0 + 2.0 * t1 + c1) * d3 / 6.0 +
        (5.0 - 2.0 * c1 + 28.0 * t1 - 3.0 * c1 * c1 + 8.0 * ep2 + 24.0 * t1 * t1) * d5 / 120.0) /
       cosPhi1) *
          kRadToDeg +
      lambda0;
  return result;
}

std::string ToUtmWgs84(double& latitudeThenNorthing, double& longitudeThenEasting) {
  UtmCoordinate utm = LatLongToUtm(kWgs84EllipsoidId, latitudeThenNorthing, longitudeThenEasting);
  latitudeThenNorthing = utm.northing;
  longitudeThenEasting = utm.easting;
  return std::move(utm.zone);
}

std::string ToUtmRegularWgs84(double& latitudeThenNorthing, double& longitudeThenEasting) {
  UtmCoordinate utm =
      LatLongToUtmRegular(kWgs84EllipsoidId, latitudeThenNorthing, longitudeThenEasting);
  latitudeThenNorthing = utm.northing;
  longitudeThenEasting = utm.easting;
  return std::move(utm.zone);
}

void FromUtmWgs84(double& northingThenLatitude, double& eastingThenLongitude, const std::string& zone) {
  const GeoCoordinate geo =
      UtmToLatLong(kWgs84EllipsoidId, northingThenLatitude, eastingThenLongitude, zone);
  northingThenLatitude = geo.latitude;
  eastingThenLongitude = geo.longitude;
}

}  // namespace tarvix
