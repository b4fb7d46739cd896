#pragma once
#include <string>

namespace tarvix {

// The hyperbola parameters the remote-control slider edits.
struct HyperbolaParameters {
  float velocity = 0;  // metres per microsecond
  float radius = 0;    // metres
  float angle = 0;     // degrees
};

// The remote-control bar: one slider for the hyperbola parameter being edited.
class RemoteControlModel {
 public:
  static constexpr int kNone = 0;
  static constexpr int kVelocity = 1;
  static constexpr int kRadius = 2;
  static constexpr int kAngle = 3;
  static constexpr int kTickFrequency = 10;

  // Shows parameter `mode` at `value` (a whole number; the radius in metres, shown in tenths);
  // mode 0 hides the bar.
  void SetRemoteMode(int value, int mode);
  // The slider moved: the parameter takes the position's value; false when it had it already.
  bool ApplyPosition(int position, HyperbolaParameters& hyperbola) const;

  int Mode() const { return mode_; }
  const std::string& Caption() const { return caption_; }
  int Minimum() const { return minimum_; }
  int Maximum() const { return maximum_; }
  int Position() const { return position_; }
  bool Visible() const { return mode_ != kNone; }

 private:
  int mode_ = kNone;
  std::string caption_;
  int minimum_ = 0;
  int maximum_ = 100;
  int position_ = 0;
};

}  // namespace tarvix
