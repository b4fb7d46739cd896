#include "document/WindowPlacement.h"

#include "document/LittleEndianInts.h"
#include "platform/SettingsStore.h"

namespace tarvix {

std::vector<std::uint8_t> WindowPlacement::Encode() const {
  LittleEndianWriter out;
  out.Put(static_cast<std::int32_t>(kBytes));
  out.Put(static_cast<std::int32_t>(flags));
  out.Put(static_cast<std::int32_t>(showCmd));
  out.Put(minPosition.x);
  out.Put(minPosition.y);
  out.Put(maxPosition.x);
  out.Put(maxPosition.y);
  out.Put(normalPosition);
  return out.bytes;
}

std::optional<WindowPlacement> WindowPlacement::Decode(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() != kBytes) return std::nullopt;
  LittleEndianReader in(bytes);
  if (in.Int() != static_cast<std::int32_t>(kBytes)) return std::nullopt;
  WindowPlacement placement;
  placement.flags = static_cast<std::uint32_t>(in.Int());
  placement.showCmd = static_cast<std::uint32_t>(in.Int());
  placement.minPosition = {in.Int(), in.Int()};
  placement.maxPosition = {in.Int(), in.Int()};
  placement.normalPosition = in.Rectangle();
  if (placement.normalPosition.Width() <= 0 || placement.normalPosition.Height() <= 0) return std::nullopt;
  return placement;
}

std::optional<WindowPlacement> WindowPlacement::Read(const SettingsStore& store, const std::string& name) {
  const auto bytes = store.ReadBinary(name);
  if (!bytes) return std::nullopt;
  return Decode(*bytes);
}

void WindowPlacement::Write(SettingsStore& store, const std::string& name) const {
  store.WriteBinary(name, Encode());
}

}  // namespace tarvix
