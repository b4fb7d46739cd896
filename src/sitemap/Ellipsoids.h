#pragma once

#include <array>
#include <cstdint>

namespace tarvix {

// A reference ellipsoid; `id` equals the row's index in the table (-1 for the placeholder).
struct Ellipsoid {
  std::int32_t id;
  const char* name;
  double equatorialRadius;     // semi-major axis a, metres
  double eccentricitySquared;  // first eccentricity squared
};

inline constexpr std::int32_t kWgs84EllipsoidId = 23;

// The whole table; row 0 is a placeholder so that rows are indexed by id.
const std::array<Ellipsoid, 24>& EllipsoidTable();

// The row of `id`; ids outside the table give the placeholder row instead of reading past it.
const Ellipsoid& EllipsoidById(int id);

}  // namespace tarvix
