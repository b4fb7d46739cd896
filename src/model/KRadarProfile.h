#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "filters/CFilterList.h"
#include "model/CMemMapFile.h"
#include "model/KHeaderInfo.h"
#include "model/KMarkerList.h"
#include "model/Point3D.h"

namespace tarvix {

// How long a profile waits for a data file that another program holds before giving up.
constexpr int kDataLockTimeoutMs = 3000;

// One GPR profile: its header, markers and the mapped data file. The sample width follows the
// application's data-width flag at construction.
class KRadarProfile {
 public:
  KRadarProfile();
  virtual ~KRadarProfile();
  KRadarProfile(const KRadarProfile&) = delete;
  KRadarProfile& operator=(const KRadarProfile&) = delete;

  KHeaderInfo header;
  KMarkerList markers;
  std::string dataExt;
  std::string dataPath;
  CMemMapFile dataFile;
  const std::int16_t* samples16 = nullptr;
  const std::int32_t* samples32 = nullptr;

  // Plan positions of traces firstTrace … firstTrace + count − 1; the number of points given.
  virtual int GetTracePositions(std::vector<point3D>& points, int firstTrace, int count) const = 0;
  virtual double DistanceToPoint(const point3D& point) const = 0;
  virtual std::string GetTypeName() const = 0;
  bool IsGPSProfile() const { return GetTypeName() == "GPSProfile"; }

  // Reads header, markers and data; shows the failure and returns false when one is unreadable.
  bool Load(const std::string& basePath);
  std::string GetDataPath() const { return dataPath; }
  point3D GetTracePosition(int trace) const;

  // Fills `buffer` (count × samples elements) with traces first … first + count − 1; traces
  // outside the file read as zeros.
  void ReadTraces16(std::int16_t* buffer, int firstTrace, int count, bool filtered) const;
  void ReadTraces32(std::int32_t* buffer, int firstTrace, int count, bool filtered) const;
  // Lets the user edit the filter chain over this profile's first traces; true when it changed.
  bool EditFilters() const;
  // How many of the first traces the filter editor shows.
  int FilterEditTraceCount() const;
  // The block description the filter library is given with `traceCount` of this profile's traces.
  SievexDataDescription FilterDescription(int traceCount) const;
  // With autodetected data width, falls back to 16-bit data when the 32-bit file is missing.
  void DetectDataSize(const std::string& basePath);

  // Copies header, markers and data into `directory` (ending in a separator); true when the
  // header and the data were copied.
  bool CopyTo(const std::string& directory) const;

  bool Is32Bit() const { return dataExt == ".rd7"; }

 private:
  template <typename Sample>
  void ReadTraces(Sample* buffer, const Sample* data, int firstTrace, int count, bool filtered) const;
};

}  // namespace tarvix
