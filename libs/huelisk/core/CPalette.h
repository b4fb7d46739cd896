#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace tarvix::huelisk {

// The 64 display colours (0x00RRGGBB) and the gain, as the program keeps them.
struct CPalette {
  static constexpr int kEntries = 64;
  static constexpr std::size_t kRecordBytes = 260;
  static constexpr float kMinGain = 1.0f;
  static constexpr float kMaxGain = 80.0f;

  std::array<std::uint32_t, kEntries> entries{};
  float gain = 1.0f;

  // Entry k = 0x040404 * k, gain 1: the program's first-run palette.
  static CPalette GreyRamp();

  // The record is 64 little-endian 32-bit entries and a little-endian float; it may be unaligned.
  static CPalette Unpack(const unsigned char* record);
  void Pack(unsigned char* record) const;

  // The gain the editor works with: within 1..80, and 1 for a value that is not a number.
  static float ClampGain(float gain);

  bool operator==(const CPalette&) const = default;
};

}  // namespace tarvix::huelisk
