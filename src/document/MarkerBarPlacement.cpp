#include "document/MarkerBarPlacement.h"

#include "document/LittleEndianInts.h"
#include "platform/SettingsStore.h"

namespace tarvix {

namespace {
constexpr const char* kVisibleValue = "MarkVis";
constexpr const char* kRectValue = "MarkerList";
constexpr std::size_t kRectBytes = 16;
}  // namespace

MarkerBarPlacement MarkerBarPlacement::Load(const SettingsStore& store) {
  MarkerBarPlacement placement;
  placement.visible = store.ReadInt(kVisibleValue).value_or(0) != 0;
  Point frame = kDefaultFramePosition;
  const auto bytes = store.ReadBinary(kRectValue);
  if (bytes && bytes->size() == kRectBytes) {
    const Rect stored = LittleEndianReader(*bytes).Rectangle();
    frame = {stored.left, stored.top};
    const Size size{stored.right - stored.left - kFrameOffset.x, stored.bottom - stored.top - kFrameOffset.y};
    if (size.cx > 0 && size.cy > 0) placement.size = size;
  }
  // The bar goes back inside the frame at the corner it was stored with.
  placement.position = {frame.x + kFrameOffset.x, frame.y + kFrameOffset.y};
  return placement;
}

void MarkerBarPlacement::Save(SettingsStore& store, const Rect& barWindowRect, bool visible) {
  LittleEndianWriter out;
  out.Put(Rect{barWindowRect.left - kFrameOffset.x, barWindowRect.top - kFrameOffset.y, barWindowRect.right,
               barWindowRect.bottom});
  store.WriteBinary(kRectValue, out.bytes);
  store.WriteInt(kVisibleValue, visible ? 1 : 0);
}

}  // namespace tarvix
