#pragma once

namespace tarvix {

// A plan position: local metres for baseline profiles, scaled degrees for GPS profiles
// (x = longitude × 100000, y = latitude × 100000, z = altitude).
struct point3D {
  double x = 0;
  double y = 0;
  double z = 0;
  friend bool operator==(const point3D&, const point3D&) = default;
};

}  // namespace tarvix
