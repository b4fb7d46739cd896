#pragma once
#include <nlohmann/json.hpp>

#include "model/KHeaderInfo.h"
#include "model/KRadarProfile.h"
#include "model/KTarvixProject.h"
#include "platform/UserInterface.h"

namespace tarvix::cli {

nlohmann::ordered_json HeaderJson(const KHeaderInfo& header);
nlohmann::ordered_json ProfileJson(const KRadarProfile& profile);
// A profile with its placement (baseline numbers or GPS fixes) and, when positionStep > 0, the
// positions of every positionStep-th trace and of the last one.
nlohmann::ordered_json PlacedProfileJson(const KRadarProfile& profile, int positionStep);
nlohmann::ordered_json ProjectJson(const KTarvixProject& project, int positionStep);
nlohmann::ordered_json MessagesJson(const std::vector<Message>& messages);

// Prints a document with two-space indentation; texts that are not UTF-8 are repaired.
void PrintJson(const nlohmann::ordered_json& document);

}  // namespace tarvix::cli
