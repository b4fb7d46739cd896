#include "profileview/DisplayDirection.h"

#include "model/KBaseLineProfile.h"

namespace tarvix {

bool IsDisplayedForward(const KRadarProfile& profile, bool baselineOrderFromEnd) {
  if (profile.IsGPSProfile()) return true;
  const double angle = static_cast<const KBaseLineProfile&>(profile).xAngle;
  return baselineOrderFromEnd ? angle <= 180 : angle > 180;
}

}  // namespace tarvix
