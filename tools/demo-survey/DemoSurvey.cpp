#include "DemoSurvey.h"

#include <cmath>
#include <cstdio>
#include <random>

#include "model/KHeaderInfo.h"
#include "app/AppContext.h"
#include "model/FileCopy.h"
#include "model/KGPSProfile.h"
#include "model/KMarkerList.h"
#include "model/KTarvixProject.h"
#include "platform/MemorySettingsStore.h"
#include "platform/SilentUserInterface.h"

namespace tarvix::demo {

namespace {

ProfileModel Model(int traces, unsigned seed, std::vector<DippingLayer> layers,
                   std::vector<PointReflector> reflectors) {
  ProfileModel model;
  model.traces = traces;
  model.seed = seed;
  model.layers = std::move(layers);
  model.reflectors = std::move(reflectors);
  return model;
}

bool WriteData(const std::string& path, const std::vector<std::int16_t>& samples) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool ok = std::fwrite(samples.data(), sizeof(std::int16_t), samples.size(), file) == samples.size();
  return std::fclose(file) == 0 && ok;
}

}  // namespace

std::vector<DemoProfile> DemoProfiles() {
  return {
      {"line01", Model(3000, 11, {{0.6, 0.004, 7000}, {1.4, -0.006, 5000}, {2.6, 0.002, 4000}},
                       {{15.0, 0.8, 9000}, {32.0, 1.5, 8000}, {47.0, 2.2, 8000}})},
      {"line02", Model(2600, 12, {{0.7, 0.003, 7000}, {1.3, -0.005, 5000}, {2.7, 0.001, 4000}},
                       {{12.0, 1.0, 9000}, {30.0, 1.8, 8000}})},
      {"line03", Model(3400, 13, {{0.8, 0.002, 7000}, {1.2, -0.004, 5000}, {2.8, 0.0, 4000}},
                       {{20.0, 1.2, 9000}, {41.0, 2.0, 8000}, {60.0, 0.9, 7000}})},
      {"line04", Model(2800, 14, {{0.5, 0.005, 7000}, {1.6, -0.003, 5000}}, {{25.0, 1.1, 9000}})},
      {"line05", Model(3000, 15, {{0.6, 0.004, 7000}, {1.5, -0.002, 5000}}, {{18.0, 1.6, 9000}, {44.0, 0.7, 8000}})},
  };
}

bool WriteProfile(const std::string& folder, const DemoProfile& profile) {
  const ProfileModel& m = profile.model;
  const std::string base = folder + profile.name;

  KHeaderInfo header;
  header.headerPath = base + header.headerExt;
  header.samples = m.samples;
  header.frequencySteps = 1;
  header.systemCalibration = m.timeWindow / m.samples / 1000.0;  // the sampling step in µs
  header.rawSignalPosition = 32767 - m.surfaceSample;
  header.distanceFlag = 1;
  header.distanceInterval = m.traceInterval;
  header.operatorName = "Tarvix demo";
  header.customer = "Brenholt";
  header.site = "Test field north";
  header.antennas = "500 MHz shielded";
  header.antennaSeparation = m.antennaSeparation;
  header.comment = "Synthetic survey: dipping layers and point reflectors";
  header.stacks = 16;
  header.lastTrace = m.traces;
  if (!header.Write()) return false;

  KMarkerList markers;
  markers.markerPath = base + markers.markerExt;
  const double dt = m.timeWindow / m.samples;
  std::int16_t type = 0;
  for (const auto& point : m.reflectors) {
    KMarker marker;
    marker.trace = static_cast<int>(point.position / m.traceInterval);
    marker.sample = m.surfaceSample + static_cast<int>(TravelTime(m, point.position, point.position, point.depth) / dt);
    marker.type = type;
    marker.comment = "reflector at " + std::to_string(static_cast<int>(point.depth * 100)) + " cm";
    type = static_cast<std::int16_t>((type + 1) % 7);
    markers.items.push_back(marker);
  }
  if (!markers.Write()) return false;
  return WriteData(base + ".rd3", Synthesize(m));
}

std::vector<DemoPlacement> DemoBaselinePlacements() {
  return {{"line01", 0, 5.0, 90.0, 25.0},
          {"line02", 0, 12.0, 90.0, 22.0},
          {"line03", 0, 20.0, 90.0, 30.0},
          {"line04", 1, 8.0, 270.0, 20.0},
          {"line05", 1, 18.0, 270.0, 24.0}};
}

namespace {

bool WriteBaselineProject(const std::string& folder) {
  const point3D ends[2][2] = {{{0, 0, 0}, {30, 0, 0}}, {{0, 40, 0}, {30, 44, 0}}};
  KTarvixProject project;
  project.basePath = WithoutExtension(folder + kDemoBaselineProject);
  project.version = 1;
  for (int i = 0; i < 2; ++i) project.sets.push_back(std::make_unique<KRadarProfileSet>());
  for (const auto& placement : DemoBaselinePlacements()) {
    const auto& [start, stop] = ends[placement.baseline];
    if (!project.sets[placement.baseline]->AddBaseLineProfile(folder + placement.profile, start, stop,
                                                              placement.xLength, placement.xAngle,
                                                              placement.xDist2Base))
      return false;
  }
  return project.Write();
}

// A fix every 25 traces along a track that starts `northOffset` metres north of the demo point
// and heads east, bending slowly, with a few centimetres of GPS jitter.
void AddTrack(KGPSProfile& profile, const ProfileModel& model, double northOffset, unsigned seed) {
  constexpr double kMetresPerDegree = 111320.0;
  const double metresPerLongitude = kMetresPerDegree * std::cos(kDemoGpsLatitude * 3.14159265358979 / 180.0);
  std::mt19937 random(seed);
  std::normal_distribution<double> jitter(0.0, 0.03);
  double east = 0;
  double north = northOffset;
  double heading = 0.05 * (seed % 3);  // radians north of east
  const double step = 25 * model.traceInterval;
  for (int trace = 0; trace < model.traces; trace += 25) {
    auto fix = std::make_unique<CCoord>();
    fix->trace = trace;
    fix->latitude = kDemoGpsLatitude + (north + jitter(random)) / kMetresPerDegree;
    fix->longitude = kDemoGpsLongitude + (east + jitter(random)) / metresPerLongitude;
    fix->altitude = 42.0 + 0.01 * east;
    profile.coords.push_back(std::move(fix));
    east += step * std::cos(heading);
    north += step * std::sin(heading);
    heading += 0.0015;
  }
}

bool WriteGpsProject(const std::string& folder) {
  KTarvixProject project;
  project.basePath = WithoutExtension(folder + kDemoGpsProject);
  project.version = 2;
  project.sets.push_back(std::make_unique<KRadarProfileSet>());
  unsigned seed = 1;
  for (const auto& demo : DemoGpsProfiles()) {
    if (!WriteProfile(folder, demo)) return false;
    KGPSProfile track;
    AddTrack(track, demo.model, 6.0 * seed, seed);
    if (!track.WriteCoordinates(folder + demo.name)) return false;
    if (project.sets[0]->AddGPSProfile(folder + demo.name) != 0) return false;
    ++seed;
  }
  return project.Write();
}

}  // namespace

std::vector<DemoProfile> DemoGpsProfiles() {
  return {
      {"track01", Model(2400, 21, {{0.7, 0.002, 7000}, {1.9, -0.004, 5000}}, {{14.0, 1.0, 9000}, {36.0, 1.6, 8000}})},
      {"track02", Model(2800, 22, {{0.6, 0.003, 7000}, {2.1, -0.002, 5000}}, {{22.0, 1.3, 9000}})},
      {"track03", Model(2200, 23, {{0.8, 0.001, 7000}, {1.7, 0.003, 5000}}, {{9.0, 0.9, 9000}, {30.0, 2.1, 8000}})},
  };
}

bool WriteDemoSurveyOnItsOwn(const std::string& folder, std::vector<std::string>* messages) {
  MemorySettingsStore store;
  SilentUserInterface ui;
  AppContext context(store, ui);
  ScopedAppContext scope(context);
  context.settings.ProfSize = 1;
  context.ResetDataWidth();
  const bool written = WriteDemoSurvey(folder);
  if (messages)
    for (const auto& message : ui.Messages()) messages->push_back(message.text);
  return written;
}

bool WriteDemoSurvey(const std::string& folder) {
  for (const auto& profile : DemoProfiles())
    if (!WriteProfile(folder, profile)) return false;
  return WriteBaselineProject(folder) && WriteGpsProject(folder);
}

}  // namespace tarvix::demo
