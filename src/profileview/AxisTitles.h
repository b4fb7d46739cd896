#pragma once

namespace tarvix {

class AxisFrame;

// The radargram's axis titles, on screen and on paper: distance or time along the profile, depth
// or time down the trace, in the display unit.
void SetAxisTitles(AxisFrame& axes, bool distanceBased);

}  // namespace tarvix
