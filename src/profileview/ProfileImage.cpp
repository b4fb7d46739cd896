#include "profileview/ProfileImage.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace tarvix {

namespace {
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;  // every byte 0xFF
}

void ProfileImage::Resize(int w, int h) {
  w = std::max(w, 0);
  h = std::max(h, 0);
  if (HasSize(w, h)) return;
  width_ = w;
  height_ = h;
  pixels_.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), kWhite);
}

void ProfileImage::ShiftColumns(int dx) {
  if (dx == 0 || std::abs(dx) >= width_) return;
  const auto kept = static_cast<std::size_t>(width_ - std::abs(dx)) * sizeof(std::uint32_t);
  for (int y = 0; y < height_; ++y) {
    std::uint32_t* row = Row(y);
    if (dx > 0)
      std::memmove(row, row + dx, kept);
    else
      std::memmove(row - dx, row, kept);
  }
}

void ProfileImage::ShiftRowsInBands(int dy, int bandHeight, int bands) {
  if (dy == 0 || std::abs(dy) >= bandHeight) return;
  const auto rowBytes = static_cast<std::size_t>(width_) * sizeof(std::uint32_t);
  const auto kept = static_cast<std::size_t>(bandHeight - std::abs(dy)) * rowBytes;
  for (int k = 0; k < bands; ++k) {
    const int top = k * bandHeight;
    if (top + bandHeight > height_) break;
    if (dy > 0)
      std::memmove(Row(top), Row(top + dy), kept);
    else
      std::memmove(Row(top - dy), Row(top), kept);
  }
}

}  // namespace tarvix
