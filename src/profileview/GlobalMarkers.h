#pragma once
#include "model/KTarvixProject.h"

namespace tarvix {

// Calls f(profile, marker, globalIndex) for every marker of the project, hidden ones included:
// set by set, profile by profile, in stored order. The global index is the marker's row in the
// marker list.
template <typename Project, typename F>
void ForEachMarker(Project& project, F&& f) {
  int global = 0;
  for (auto& set : project.sets)
    for (auto& profile : set->profiles)
      for (auto& marker : profile->markers.items) f(*profile, marker, global++);
}

// The marker with this global index and its profile, or nulls.
struct MarkerPlace {
  KRadarProfile* profile = nullptr;
  KMarker* marker = nullptr;
};
MarkerPlace FindMarker(KTarvixProject& project, int global);

}  // namespace tarvix
