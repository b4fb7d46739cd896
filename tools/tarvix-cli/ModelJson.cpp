#include "ModelJson.h"

#include <iostream>

#include "model/KBaseLineProfile.h"
#include "model/KGPSProfile.h"

namespace tarvix::cli {

nlohmann::ordered_json HeaderJson(const KHeaderInfo& h) {
  return {{"lastTrace", h.lastTrace},
          {"gpsHeight", h.gpsHeight},
          {"distanceFlag", h.distanceFlag},
          {"timeFlag", h.timeFlag},
          {"programFlag", h.programFlag},
          {"externalFlag", h.externalFlag},
          {"headerExt", h.headerExt},
          {"samples", h.samples},
          {"frequencySteps", h.frequencySteps},
          {"rawSignalPosition", h.rawSignalPosition},
          {"timeInterval", h.timeInterval},
          {"distanceInterval", h.distanceInterval},
          {"operatorName", h.operatorName},
          {"customer", h.customer},
          {"site", h.site},
          {"antennas", h.antennas},
          {"antennaSeparation", h.antennaSeparation},
          {"comment", h.comment},
          {"units", h.units},
          {"depthUnits", h.depthUnits},
          {"lengthUnits", h.lengthUnits},
          {"material", h.material},
          {"stacks", h.stacks},
          {"startPosition", h.startPosition},
          {"stopPosition", h.stopPosition},
          {"systemCalibration", h.systemCalibration},
          {"shortFlag", h.shortFlag},
          {"intermediateFlag", h.intermediateFlag},
          {"longFlag", h.longFlag},
          {"fixedMovesUp", h.fixedMovesUp},
          {"fixedMovesDown", h.fixedMovesDown},
          {"fixedPosition", h.fixedPosition},
          {"fixedIncrement", h.fixedIncrement},
          {"wheelCalibration", h.wheelCalibration},
          {"positiveDirection", h.positiveDirection},
          {"headerPath", h.headerPath},
          {"frequency", h.GetFrequency()},
          {"timeWindow", h.GetTimeWindow()},
          {"signalPosition", h.GetSignalPosition()},
          {"stackingTime", h.GetStackingTime()},
          {"stackExponent", h.GetStackExponent()},
          {"traceInterval", h.GetTraceInterval()},
          {"antennaFrequency", h.GetAntennaFrequency()}};
}

nlohmann::ordered_json ProfileJson(const KRadarProfile& profile) {
  nlohmann::ordered_json markers = nlohmann::ordered_json::array();
  for (const auto& m : profile.markers.items)
    markers.push_back({{"trace", m.trace}, {"sample", m.sample}, {"type", m.type}, {"visible", m.visible},
                       {"comment", m.comment}});
  return {{"type", profile.GetTypeName()},
          {"dataPath", profile.GetDataPath()},
          {"is32Bit", profile.Is32Bit()},
          {"traces", profile.header.lastTrace},
          {"header", HeaderJson(profile.header)},
          {"markers", markers}};
}

namespace {

nlohmann::ordered_json PointJson(const point3D& p) { return nlohmann::ordered_json::array({p.x, p.y, p.z}); }

nlohmann::ordered_json PositionsJson(const KRadarProfile& profile, int step) {
  nlohmann::ordered_json positions = nlohmann::ordered_json::array();
  const int last = profile.header.lastTrace - 1;
  auto add = [&](int trace) {
    const point3D p = profile.GetTracePosition(trace);
    positions.push_back({{"trace", trace}, {"x", p.x}, {"y", p.y}, {"z", p.z}});
  };
  for (long long trace = 0; trace <= last; trace += step) add(static_cast<int>(trace));
  if (last >= 0 && last % step != 0) add(last);
  return positions;
}

}  // namespace

nlohmann::ordered_json PlacedProfileJson(const KRadarProfile& profile, int positionStep) {
  nlohmann::ordered_json json = ProfileJson(profile);
  if (const auto* baseline = dynamic_cast<const KBaseLineProfile*>(&profile)) {
    json["baseline"] = {{"start", PointJson(baseline->baselineStart)},
                        {"stop", PointJson(baseline->baselineStop)},
                        {"xDist2Base", baseline->xDist2Base},
                        {"xAngle", baseline->xAngle},
                        {"xLength", baseline->xLength}};
  }
  if (const auto* gps = dynamic_cast<const KGPSProfile*>(&profile)) {
    nlohmann::ordered_json coords = nlohmann::ordered_json::array();
    for (const auto& c : gps->coords)
      coords.push_back(
          {{"trace", c->trace}, {"latitude", c->latitude}, {"longitude", c->longitude}, {"altitude", c->altitude}});
    json["coords"] = coords;
  }
  if (positionStep > 0) json["positions"] = PositionsJson(profile, positionStep);
  return json;
}

nlohmann::ordered_json ProjectJson(const KTarvixProject& project, int positionStep) {
  nlohmann::ordered_json sets = nlohmann::ordered_json::array();
  for (const auto& set : project.sets) {
    nlohmann::ordered_json profiles = nlohmann::ordered_json::array();
    for (const auto& profile : set->profiles) profiles.push_back(PlacedProfileJson(*profile, positionStep));
    sets.push_back({{"descending", set->descending}, {"profiles", profiles}});
  }
  return {{"version", project.version}, {"basePath", project.basePath}, {"sets", sets}};
}

nlohmann::ordered_json MessagesJson(const std::vector<Message>& messages) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const auto& message : messages) list.push_back({{"caption", message.caption}, {"text", message.text}});
  return list;
}

void PrintJson(const nlohmann::ordered_json& document) {
  std::cout << document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
}

}  // namespace tarvix::cli
