#pragma once
#include <vector>

namespace tarvix {

class KRadarProfile;
class KTarvixProject;
struct DisplayState;

// One band of the profile view: a profile of the shown set, where its traces sit in display
// columns and which way round it is drawn.
struct DisplayedProfile {
  const KRadarProfile* profile = nullptr;
  int indexInSet = 0;
  int shift = 0;  // <= 0: display column d shows trace d + shift (forward)
  bool forward = true;
  int traces = 0;
  int samples = 0;

  // The trace shown at display column d (outside [0, traces) where the profile has none).
  int TraceAtColumn(int column) const { return forward ? column + shift : traces - 1 - shift - column; }
  // The display column of trace t.
  int ColumnOfTrace(int trace) const { return forward ? trace - shift : traces - shift - trace - 1; }
  // One past the last display column in use.
  int EndColumn() const { return traces - shift; }
};

// How many profiles of the shown set the view stacks: up to `maxProfile` from the first shown.
int DisplayedCount(const KTarvixProject& project, const DisplayState& state, int maxProfile);

// The index of the first shown profile in its set: `firstProfile`, or 0 when that names no
// profile of the set (the count then covers the set from its start).
int FirstDisplayedIndex(const KTarvixProject& project, const DisplayState& state);

// The displayed profiles, top band first; empty when no set is shown.
std::vector<DisplayedProfile> DisplayedProfiles(const KTarvixProject& project, const DisplayState& state,
                                                int maxProfile);

}  // namespace tarvix
