#pragma once
#include <cstdint>
#include <ctime>
#include <memory>
#include <string>

#include "model/CCoord.h"
#include "model/KRadarProfile.h"

namespace tarvix {

// A profile placed by the GPS fixes of its ".cor" file. Positions are in scaled degrees:
// x = longitude × 100000, y = latitude × 100000, z = altitude.
//
// Interpolation finds the fixes around a trace by binary search when the trace numbers of the
// fixes ascend, which is checked again whenever the fix array is replaced or changes its length;
// code that edits trace numbers of existing fixes in place must re-read the file instead.
class KGPSProfile : public KRadarProfile {
 public:
  std::vector<std::unique_ptr<CCoord>> coords;

  // Replaces the fixes by those of basePath + ".cor"; false when the file cannot be opened.
  bool ReadCoordinates(const std::string& basePath);
  // Writes the fixes to basePath + ".cor"; false (and the old file kept) when that failed.
  bool WriteCoordinates(const std::string& basePath) const;
  // Appends the fix of a UTM position (easting x, northing y, height z) as trace index + 1.
  void AddCoordinateFromUtm(const point3D& point, int index, const std::string& zone);

  // Without interpolation the fix at array index `trace`, (0, 0, 0) when there is none.
  point3D GetPositionAtTrace(bool interpolate, int trace) const;
  // Interpolated positions of the traces asked when count is 1 or firstTrace > 0; otherwise
  // one position per fix, and the number of fixes is returned.
  int GetTracePositions(std::vector<point3D>& points, int firstTrace, int count) const override;
  // Distance from the nearest trace, whose position is truncated to whole scaled degrees.
  double DistanceToPoint(const point3D& point) const override;
  std::string GetTypeName() const override { return "GPSProfile"; }

  // The date and time fields of a written file for the local time of `when`.
  struct WrittenTime {
    std::string date;
    std::string time;
  };
  static WrittenTime FormatWrittenTime(std::time_t when);

 private:
  bool FixesAscend() const;
  // Calls emit(position) for the interpolated traces first … first + count − 1.
  template <typename Emit>
  void InterpolateRun(std::int64_t first, std::int64_t count, Emit&& emit) const;

  // Which fix array the ascending verdict belongs to.
  mutable const void* orderCheckedData_ = nullptr;
  mutable std::size_t orderCheckedSize_ = 0;
  mutable bool orderChecked_ = false;
  mutable bool ascending_ = false;
};

}  // namespace tarvix
