#include "profileview/GainSlider.h"

#include <algorithm>

#include "app/AppContext.h"
#include "document/CTarvixDoc.h"

namespace tarvix {

int GainSlider::Position() {
  const float gain = App().settings.Palette.gain;
  // A stored gain outside the range (or not a number) must not reach the integer conversion.
  if (!(gain >= static_cast<float>(kMin))) return kMin;
  if (gain >= static_cast<float>(kMax)) return kMax;
  return static_cast<int>(gain);
}

void GainSlider::Moved(int position, CTarvixDoc& document) {
  App().settings.Palette.gain = static_cast<float>(std::clamp(position, kMin, kMax));
  document.UpdateAllViews(0);
}

}  // namespace tarvix
