#pragma once
#include <vector>

#include "profileview/Migration.h"

namespace tarvix {

// The tables of one block's migration, which depend only on depth and trace offset: the
// travel time and weight of every (depth, offset) pair and how far each depth's walk reaches.
class MigrationPlan {
 public:
  static constexpr int kMaxAperture = 64;  // traces on each side
  static constexpr int kDepthReach = 75;   // a walk stops at a travel time this far from its depth

  explicit MigrationPlan(const MigrationParameters& parameters);

  // False when the block is to stay as it is.
  bool Active() const { return active_; }
  int FirstRow() const { return firstRow_; }
  int Depths() const { return depths_; }

  int TravelTime(int depth, int offset) const { return travel_[Index(depth, offset)]; }
  float Weight(int depth, int offset) const { return weight_[Index(depth, offset)]; }
  // The forward walk of a depth covers offsets [0, ForwardEnd), the backward one [1, BackwardEnd),
  // before the aperture or the depth reach ends them.
  int ForwardEnd(int depth) const { return forwardEnd_[depth]; }
  int BackwardEnd(int depth) const { return backwardEnd_[depth]; }

 private:
  int Index(int depth, int offset) const { return depth * (widest_ + 1) + offset; }
  int WalkEnd(int depth, int first, int aperture) const;

  bool active_ = false;
  int firstRow_ = 0;
  int depths_ = 0;
  int widest_ = 0;
  std::vector<int> travel_;
  std::vector<float> weight_;
  std::vector<int> forwardEnd_;
  std::vector<int> backwardEnd_;
};

}  // namespace tarvix
