#include "profileview/GlobalMarkers.h"

namespace tarvix {

MarkerPlace FindMarker(KTarvixProject& project, int global) {
  if (global < 0) return {};
  for (auto& set : project.sets)
    for (auto& profile : set->profiles) {
      auto& items = profile->markers.items;
      if (global < static_cast<int>(items.size())) return {profile.get(), &items[static_cast<std::size_t>(global)]};
      global -= static_cast<int>(items.size());
    }
  return {};
}

}  // namespace tarvix
