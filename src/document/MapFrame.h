#pragma once

namespace tarvix {

// The site map's frame window, created on demand and owned by the window system.
class MapFrame {
 public:
  virtual ~MapFrame() = default;
  virtual void Show(bool shown) = 0;
};

}  // namespace tarvix
