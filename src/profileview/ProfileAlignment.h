#pragma once

namespace tarvix {

class KTarvixProject;
struct DisplayState;

// Lines up the profiles of every set from `fromSet` on: each profile's crossing column (its
// baseline crossing, or for GPS profiles its first or last trace) comes to the set's common
// crossing column. False, with the sets before the failing one aligned, when a baseline profile
// has no data file.
bool ComputeAlignment(DisplayState& state, const KTarvixProject& project, int fromSet);

}  // namespace tarvix
