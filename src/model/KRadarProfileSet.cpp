#include "model/KRadarProfileSet.h"

#include <utility>

#include "model/KBaseLineProfile.h"
#include "model/KGPSProfile.h"

namespace tarvix {

bool KRadarProfileSet::AddBaseLineProfile(const std::string& basePath, const point3D& baselineStart,
                                          const point3D& baselineStop, double xLength, double xAngle,
                                          double xDist2Base) {
  auto profile = std::make_unique<KBaseLineProfile>();
  if (profiles.empty()) profile->DetectDataSize(basePath);
  if (!profile->Load(basePath)) return false;
  profile->baselineStart = baselineStart;
  profile->baselineStop = baselineStop;
  profile->xLength = xLength;
  profile->xAngle = xAngle;
  profile->xDist2Base = xDist2Base;
  profiles.push_back(std::move(profile));
  SortProfiles();
  return true;
}

int KRadarProfileSet::AddGPSProfile(const std::string& basePath) {
  auto profile = std::make_unique<KGPSProfile>();
  if (profiles.empty()) profile->DetectDataSize(basePath);
  if (!profile->Load(basePath)) return 1;
  if (!profile->ReadCoordinates(basePath)) return 2;
  profiles.push_back(std::move(profile));
  return 0;
}

void KRadarProfileSet::RemoveProfile(int index) {
  if (index < 0 || index >= static_cast<int>(profiles.size())) return;
  profiles.erase(profiles.begin() + index);
}

void KRadarProfileSet::SortProfiles() {
  if (profiles.empty() || profiles.front()->IsGPSProfile()) return;
  auto distance = [this](std::size_t i) { return static_cast<const KBaseLineProfile&>(*profiles[i]).xDist2Base; };
  // An exchange sort, as the stored order of equal distances depends on it.
  for (std::size_t i = 0; i + 1 < profiles.size(); ++i)
    for (std::size_t j = i + 1; j < profiles.size(); ++j)
      if ((!descending && distance(i) > distance(j)) || (descending && distance(j) > distance(i)))
        std::swap(profiles[i], profiles[j]);
}

}  // namespace tarvix
