#pragma once

namespace tarvix {

class CTarvixDoc;

// The contrast slider of the profile frame's tool bar: it shows the display gain and sets it to
// whole values only.
struct GainSlider {
  static constexpr int kMin = 1;
  static constexpr int kMax = 80;
  static constexpr int kTickFrequency = 3;
  static constexpr int kPageSize = 3;

  // The slider's position for the gain in force: its whole part, within the slider's range.
  static int Position();
  // The slider moved: the gain becomes that whole value and every view of the document repaints.
  static void Moved(int position, CTarvixDoc& document);
};

}  // namespace tarvix
