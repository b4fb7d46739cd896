#include "model/KRadarProfile.h"

#include <algorithm>

#include "app/AppContext.h"
#include "filters/ScopedFilterList.h"
#include "model/FileCopy.h"
#include "platform/UserInterface.h"

namespace tarvix {

namespace {

void ShowLoadError(const std::string& text) {
  App().ui.ShowMessage({text, "Error", MessageIcon::Error, MessageButtons::Ok});
}

bool FileExists(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  std::fclose(file);
  return true;
}

void ApplyFilters(const std::int16_t* source, std::int16_t* destination, const SievexDataDescription& description) {
  FilterList().Apply(source, destination, description);
}

void ApplyFilters(const std::int32_t* source, std::int32_t* destination, const SievexDataDescription& description) {
  FilterList().Apply32(source, destination, description);
}

}  // namespace

KRadarProfile::KRadarProfile() : dataExt(App().is32BitData ? ".rd7" : ".rd3") {}

KRadarProfile::~KRadarProfile() { dataFile.Close(); }

bool KRadarProfile::Load(const std::string& basePath) {
  if (!header.Read(basePath)) {
    ShowLoadError("Cannot read header file:\n" + basePath + header.headerExt);
    return false;
  }
  markers.Read(basePath);
  dataPath = basePath + dataExt;
  if (!dataFile.Open(dataPath)) {
    ShowLoadError("Cannot read data file:\n" + dataPath);
    return false;
  }
  if (!dataFile.Lock(kDataLockTimeoutMs)) {
    dataFile.Close();
    ShowLoadError("Cannot read data file:\n" + dataPath + "\nThe file is in use by another program.");
    return false;
  }
  const bool wide = dataExt == ".rd7";
  if (wide)
    samples32 = reinterpret_cast<const std::int32_t*>(dataFile.view);
  else
    samples16 = reinterpret_cast<const std::int16_t*>(dataFile.view);

  if (header.lastTrace == 0 && header.samples != 0)
    header.lastTrace = static_cast<int>((dataFile.size / static_cast<unsigned>(header.samples)) >> (wide ? 2 : 1));

  // A damaged header must not make the readers leave the mapping: keep the whole traces present.
  if (header.lastTrace < 0) header.lastTrace = 0;
  if (header.samples > 0) {
    const std::uint64_t traceBytes = std::uint64_t(header.samples) * (wide ? 4 : 2);
    const std::uint64_t present = dataFile.size / traceBytes;
    if (std::uint64_t(header.lastTrace) > present) header.lastTrace = static_cast<int>(present);
  }
  return true;
}

point3D KRadarProfile::GetTracePosition(int trace) const {
  std::vector<point3D> points;
  if (GetTracePositions(points, trace, 1) < 1 || points.empty()) return {};
  return points.front();
}

bool KRadarProfile::CopyTo(const std::string& directory) const {
  if (!header.CopyTo(directory)) return false;
  markers.CopyTo(directory);
  return CopyFileInto(dataPath, directory);
}

SievexDataDescription KRadarProfile::FilterDescription(int traceCount) const {
  SievexDataDescription description{};
  description.samplesPerTrace = header.samples;
  description.traceCount = traceCount;
  description.samplingFrequency = header.GetFrequency();
  description.antennaFrequency = header.GetAntennaFrequency();
  description.antennaSeparation = header.antennaSeparation;
  description.traceInterval = header.GetTraceInterval();
  description.timeFlag = header.timeFlag;
  return description;
}

int KRadarProfile::FilterEditTraceCount() const { return std::min(header.lastTrace, kFilterEditTraces); }

bool KRadarProfile::EditFilters() const {
  const auto description = FilterDescription(FilterEditTraceCount());
  // The profile's own width decides, so the editor never gets a view of the other width.
  if (samples32) return FilterList().Edit32(samples32, description) != 0;
  if (samples16) return FilterList().Edit(samples16, description) != 0;
  return false;
}

void KRadarProfile::DetectDataSize(const std::string& basePath) {
  AppContext& app = App();
  if (app.settings.ProfSize != 0) return;
  if (FileExists(basePath + dataExt)) return;
  if (app.is32BitData) {
    dataExt = ".rd3";
    app.is32BitData = false;
  }
}

template <typename Sample>
void KRadarProfile::ReadTraces(Sample* buffer, const Sample* data, int firstTrace, int count,
                               bool filtered) const {
  if (count <= 0 || header.samples <= 0) return;
  const auto samples = static_cast<std::int64_t>(header.samples);
  const std::int64_t traces = data ? header.lastTrace : 0;
  const std::int64_t first = firstTrace;
  const std::int64_t last = first + count - 1;
  Sample* const end = buffer + count * samples;

  // Only the traces inside the file are copied; everything else reads as zeros.
  const std::int64_t from = std::max<std::int64_t>(first, 0);
  const std::int64_t to = std::min<std::int64_t>(last, traces - 1);
  if (from > to) {
    std::fill(buffer, end, Sample{0});
    return;
  }
  Sample* const runStart = buffer + (from - first) * samples;
  Sample* const runEnd = runStart + (to - from + 1) * samples;
  std::fill(buffer, runStart, Sample{0});
  const Sample* source = data + from * samples;
  if (filtered)
    ApplyFilters(source, runStart, FilterDescription(static_cast<int>(to - from + 1)));
  else
    std::copy(source, data + (to + 1) * samples, runStart);
  std::fill(runEnd, end, Sample{0});
}

void KRadarProfile::ReadTraces16(std::int16_t* buffer, int firstTrace, int count, bool filtered) const {
  ReadTraces(buffer, samples16, firstTrace, count, filtered);
}

void KRadarProfile::ReadTraces32(std::int32_t* buffer, int firstTrace, int count, bool filtered) const {
  ReadTraces(buffer, samples32, firstTrace, count, filtered);
}

}  // namespace tarvix
