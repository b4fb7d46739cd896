#pragma once
#include <optional>

#include "platform/Geometry.h"

namespace tarvix {

class SettingsStore;

// Where the floating marker list bar was and whether it was shown. The stored rectangle is the
// bar's window rectangle with its left-top moved out by the floating frame's border and caption
// (2 and 18 pixels), so it names the frame's corner.
struct MarkerBarPlacement {
  static constexpr Point kFrameOffset{2, 18};
  static constexpr Point kDefaultFramePosition{20, 20};

  bool visible = false;
  // The bar's own window rectangle; without a stored rectangle only its position is known.
  Point position;
  std::optional<Size> size;

  static MarkerBarPlacement Load(const SettingsStore& store);
  static void Save(SettingsStore& store, const Rect& barWindowRect, bool visible);
};

}  // namespace tarvix
