#pragma once

namespace tarvix {

struct ScrollBarState;

// What the profile view's core asks of the window that shows it.
class ProfileViewWindow {
 public:
  virtual ~ProfileViewWindow() = default;
  // Paint at the next opportunity.
  virtual void Invalidate() = 0;
  // Paint now.
  virtual void UpdateNow() = 0;
  virtual void ApplyScrollBars(const ScrollBarState& horizontal, const ScrollBarState& vertical) = 0;
};

}  // namespace tarvix
