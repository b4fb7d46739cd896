#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Geometry.h"

namespace tarvix {

class SettingsStore;

// A frame's placement as stored in the settings: the 44-byte record of length, flags, show
// state, minimised and maximised positions and the normal rectangle, each a little-endian
// 32-bit value.
struct WindowPlacement {
  static constexpr std::size_t kBytes = 44;
  static constexpr std::uint32_t kShowNormal = 1;
  static constexpr std::uint32_t kShowMinimized = 2;
  static constexpr std::uint32_t kShowMaximized = 3;

  std::uint32_t flags = 0;
  std::uint32_t showCmd = kShowNormal;
  Point minPosition{-1, -1};
  Point maxPosition{-1, -1};
  Rect normalPosition;

  std::vector<std::uint8_t> Encode() const;
  // Nothing for a record of another size or length field, or with an empty normal rectangle,
  // which would put the frame out of reach.
  static std::optional<WindowPlacement> Decode(const std::vector<std::uint8_t>& bytes);

  static std::optional<WindowPlacement> Read(const SettingsStore& store, const std::string& name);
  void Write(SettingsStore& store, const std::string& name) const;

  bool operator==(const WindowPlacement&) const = default;
};

}  // namespace tarvix
