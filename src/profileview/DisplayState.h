#pragma once
#include <cstdint>
#include <vector>

namespace tarvix {

class KMarker;
class KRadarProfileSet;
class KTarvixProject;

// What the document keeps of the profile view: which set and profiles are shown, where the view
// is scrolled, the selection and the alignment of the profiles of each set.
struct DisplayState {
  int currentSet = 0;  // the set shown; no set when it does not index one
  int firstColumn = 0;
  int firstSample = 0;
  int selectedMarker = -1;  // global marker index
  int selectedProfile = 0;
  int firstProfile = 0;
  // Per set: the display column of the baseline crossing, and per profile its shift (<= 0).
  // Kept in 32 bits, as profiles can be longer than 32767 traces.
  std::vector<std::int32_t> crossingColumn;
  std::vector<std::vector<std::int32_t>> profileShift;
  int imageWidth = 0;
  KMarker* selectedMarkerRef = nullptr;
  bool migrationOn = false;
  bool gpsVerticalProjection = false;
  bool baselineOrderFromEnd = false;
  bool gpsAlignRight = false;

  // The set `currentSet` names, or none.
  const KRadarProfileSet* CurrentSet(const KTarvixProject& project) const;
  // Forgets the selected marker.
  void ClearMarkerSelection();
};

}  // namespace tarvix
