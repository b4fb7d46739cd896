#include "ModelJson.h"

#include <iostream>

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

nlohmann::ordered_json MessagesJson(const std::vector<Message>& messages) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const auto& message : messages) list.push_back({{"caption", message.caption}, {"text", message.text}});
  return list;
}

void PrintJson(const nlohmann::ordered_json& document) {
  std::cout << document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
}

}  // namespace tarvix::cli
