#pragma once
#include <memory>
#include <string>

#include "model/KRadarProfileSet.h"

namespace tarvix::cli {

// Loads one profile on its own, as a GPS profile when a coordinate file lies beside it.
// The set holds the profile when the load succeeded.
std::unique_ptr<KRadarProfileSet> LoadProfile(const std::string& basePath);

}  // namespace tarvix::cli
