#pragma once

namespace tarvix {

class KRadarProfile;

// Whether trace 0 of the profile is shown at the left. GPS profiles always are; a baseline
// profile is when it lies on the side of the baseline the view orders from.
bool IsDisplayedForward(const KRadarProfile& profile, bool baselineOrderFromEnd);

}  // namespace tarvix
