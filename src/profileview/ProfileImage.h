#pragma once
#include <cstdint>
#include <vector>

#include "platform/Canvas.h"

namespace tarvix {

// The radargram's pixels: w × h 32-bit values 0x00RRGGBB, row 0 at the top. A new image is white.
class ProfileImage {
 public:
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool HasSize(int w, int h) const { return width_ == w && height_ == h; }

  // Reallocates (white) only when the size changes.
  void Resize(int w, int h);

  // Moves every row dx pixels to the left (dx > 0) or to the right (dx < 0); the uncovered
  // columns keep stale pixels until they are recomputed.
  void ShiftColumns(int dx);
  // Moves the content of each band of `bandHeight` rows (from the top) dy rows up (dy > 0) or
  // down (dy < 0), each band on its own.
  void ShiftRowsInBands(int dy, int bandHeight, int bands);

  std::uint32_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_); }
  std::uint32_t Pixel(int x, int y) const {
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
  }
  ImageView View() const { return {pixels_.data(), width_, height_}; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace tarvix
