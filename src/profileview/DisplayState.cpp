#include "profileview/DisplayState.h"

#include "model/KTarvixProject.h"

namespace tarvix {

const KRadarProfileSet* DisplayState::CurrentSet(const KTarvixProject& project) const {
  if (currentSet < 0 || currentSet >= static_cast<int>(project.sets.size())) return nullptr;
  return project.sets[static_cast<std::size_t>(currentSet)].get();
}

void DisplayState::ClearMarkerSelection() {
  selectedMarker = -1;
  selectedMarkerRef = nullptr;
}

}  // namespace tarvix
