#include "document/RemoteControlModel.h"

namespace tarvix {

void RemoteControlModel::SetRemoteMode(int value, int mode) {
  mode_ = mode;
  switch (mode) {
    case kVelocity:
      caption_ = "VELOCITY";
      minimum_ = 10;
      maximum_ = 300;
      position_ = value;
      break;
    case kRadius:
      caption_ = "RADIUS";
      minimum_ = 0;
      maximum_ = 100;
      position_ = value * 10;
      break;
    case kAngle:
      caption_ = "ANGLE";
      minimum_ = 0;
      maximum_ = 90;
      position_ = value;
      break;
    default:
      mode_ = kNone;
      caption_.clear();
      return;
  }
  // The slider clamps what it is given; the model says what it shows.
  if (position_ < minimum_) position_ = minimum_;
  if (position_ > maximum_) position_ = maximum_;
}

bool RemoteControlModel::ApplyPosition(int position, HyperbolaParameters& hyperbola) const {
  float* target = nullptr;
  float value = static_cast<float>(position);
  switch (mode_) {
    case kVelocity:
      target = &hyperbola.velocity;
      break;
    case kRadius:
      target = &hyperbola.radius;
      value = static_cast<float>(position) / 10;
      break;
    case kAngle:
      target = &hyperbola.angle;
      break;
    default:
      return false;
  }
  if (*target == value) return false;
  *target = value;
  return true;
}

}  // namespace tarvix
