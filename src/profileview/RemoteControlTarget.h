#pragma once

namespace tarvix {

// The remote-control bar as the profile view reaches it.
class RemoteControlTarget {
 public:
  virtual ~RemoteControlTarget() = default;
  // Shows hyperbola parameter `mode` (1 velocity, 2 radius, 3 angle) at `value`; 0 hides the bar.
  virtual void SetRemoteMode(int value, int mode) = 0;
};

}  // namespace tarvix
