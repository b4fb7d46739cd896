#pragma once
#include <cstdint>
#include <vector>

#include "platform/Geometry.h"

namespace tarvix {

// Stored window records: consecutive little-endian 32-bit integers.
struct LittleEndianWriter {
  std::vector<std::uint8_t> bytes;

  void Put(std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<std::uint8_t>(u >> shift));
  }
  void Put(const Rect& rect) {
    Put(rect.left);
    Put(rect.top);
    Put(rect.right);
    Put(rect.bottom);
  }
};

// Reads what a LittleEndianWriter wrote; the caller checks the size first.
class LittleEndianReader {
 public:
  explicit LittleEndianReader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

  std::int32_t Int() {
    std::uint32_t u = 0;
    for (int shift = 0; shift < 32; shift += 8) u |= std::uint32_t{bytes_[next_++]} << shift;
    return static_cast<std::int32_t>(u);
  }
  Rect Rectangle() {
    Rect rect;
    rect.left = Int();
    rect.top = Int();
    rect.right = Int();
    rect.bottom = Int();
    return rect;
  }

 private:
  const std::vector<std::uint8_t>& bytes_;
  std::size_t next_ = 0;
};

}  // namespace tarvix
