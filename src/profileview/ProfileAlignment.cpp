#include "profileview/ProfileAlignment.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/KBaseLineProfile.h"
#include "model/KTarvixProject.h"
#include "profileview/DisplayDirection.h"
#include "profileview/DisplayState.h"

namespace tarvix {

namespace {

// The crossing's trace: a header without a trace interval (or a length too large for a column)
// gives trace 0 rather than an undefined conversion.
int CrossingTrace(double xLength, double traceInterval) {
  const double traces = xLength / traceInterval;
  if (!std::isfinite(traces)) return 0;
  const double limit = std::numeric_limits<int>::max();
  return static_cast<int>(std::clamp(traces, -limit, limit));
}

}  // namespace

bool ComputeAlignment(DisplayState& state, const KTarvixProject& project, int fromSet) {
  const std::size_t count = project.sets.size();
  state.crossingColumn.resize(count, 0);
  state.profileShift.resize(count);
  for (std::size_t i = static_cast<std::size_t>(std::max(fromSet, 0)); i < count; ++i) {
    auto& crossing = state.crossingColumn[i];
    auto& shifts = state.profileShift[i];
    crossing = 0;
    shifts.clear();
    const auto& profiles = project.sets[i]->profiles;
    if (profiles.empty()) continue;
    const double interval = profiles.front()->header.GetTraceInterval();
    for (const auto& profile : profiles) {
      const int traces = profile->header.lastTrace;
      int column = 0;
      if (profile->IsGPSProfile()) {
        column = state.gpsAlignRight ? traces : 0;
      } else {
        if (profile->GetDataPath().empty()) return false;
        column = CrossingTrace(static_cast<const KBaseLineProfile&>(*profile).xLength, interval);
        if (!IsDisplayedForward(*profile, state.baselineOrderFromEnd)) column = traces - column;
      }
      crossing = std::max(crossing, column);
      shifts.push_back(column);
    }
    for (auto& shift : shifts) shift -= crossing;
  }
  return true;
}

}  // namespace tarvix
