#include "profileview/DisplayedProfiles.h"

#include <algorithm>

#include "model/KTarvixProject.h"
#include "profileview/DisplayDirection.h"
#include "profileview/DisplayState.h"

namespace tarvix {

namespace {

int ProfileCount(const KTarvixProject& project, const DisplayState& state) {
  const auto* set = state.CurrentSet(project);
  return set ? static_cast<int>(set->profiles.size()) : 0;
}

// A shift the alignment has not computed (a set changed since) counts as no shift.
int ShiftOf(const DisplayState& state, int set, int profile) {
  if (set < 0 || set >= static_cast<int>(state.profileShift.size())) return 0;
  const auto& shifts = state.profileShift[static_cast<std::size_t>(set)];
  return profile < static_cast<int>(shifts.size()) ? shifts[static_cast<std::size_t>(profile)] : 0;
}

}  // namespace

int FirstDisplayedIndex(const KTarvixProject& project, const DisplayState& state) {
  const int count = ProfileCount(project, state);
  return state.firstProfile >= 0 && state.firstProfile < count ? state.firstProfile : 0;
}

int DisplayedCount(const KTarvixProject& project, const DisplayState& state, int maxProfile) {
  if (state.currentSet < 0) return 0;
  const int count = ProfileCount(project, state);
  return std::max(0, std::min(maxProfile, count - FirstDisplayedIndex(project, state)));
}

std::vector<DisplayedProfile> DisplayedProfiles(const KTarvixProject& project, const DisplayState& state,
                                                int maxProfile) {
  std::vector<DisplayedProfile> shown;
  const auto* set = state.CurrentSet(project);
  if (!set) return shown;
  const int first = FirstDisplayedIndex(project, state);
  const int count = DisplayedCount(project, state, maxProfile);
  for (int j = first; j < first + count; ++j) {
    const KRadarProfile& profile = *set->profiles[static_cast<std::size_t>(j)];
    DisplayedProfile band;
    band.profile = &profile;
    band.indexInSet = j;
    band.shift = ShiftOf(state, state.currentSet, j);
    band.forward = IsDisplayedForward(profile, state.baselineOrderFromEnd);
    band.traces = std::max(profile.header.lastTrace, 0);
    band.samples = std::max(profile.header.samples, 0);
    shown.push_back(band);
  }
  return shown;
}

}  // namespace tarvix
