#pragma once
#include <vector>

#include "model/KTarvixProject.h"
#include "sitemap/MapHoverIndex.h"

namespace tarvix::testing {

// The hover's hit test written straightforwardly: every position of every profile is tested.
inline std::vector<MapHoverIndex::Hit> ProfilesInByEveryPosition(const KTarvixProject& project,
                                                                 const MapTransform& transform, const Rect& box) {
  std::vector<MapHoverIndex::Hit> hits;
  std::vector<point3D> points;
  for (std::size_t s = 0; s < project.sets.size(); ++s)
    for (std::size_t p = 0; p < project.sets[s]->profiles.size(); ++p) {
      const auto& profile = *project.sets[s]->profiles[p];
      profile.GetTracePositions(points, 0, profile.header.lastTrace);
      for (const auto& point : points)
        if (box.Contains(transform.WorldToScreen(point))) {
          hits.push_back({static_cast<int>(s), static_cast<int>(p)});
          break;
        }
    }
  return hits;
}

}  // namespace tarvix::testing
