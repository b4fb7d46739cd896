#pragma once
#include "sievex32.h"

namespace tarvix::sievex {

// The time base of a block, from which time-based parameters become sample counts and automatic
// parameters follow the antenna.
class BlockTiming {
 public:
  BlockTiming() = default;
  BlockTiming(double samplingMHz, double antennaMHz);
  static BlockTiming From(const SievexDataDescription& data);

  // False when the block has no usable sampling frequency; time-based filters then leave it alone.
  bool HasClock() const { return samplingMHz_ > 0.0; }
  double SamplingMHz() const { return samplingMHz_; }
  // The antenna's centre frequency; a tenth of the sampling frequency when the block gives none,
  // since radar traces are usually sampled about ten times faster than the antenna's frequency.
  double AntennaMHz() const { return antennaMHz_; }
  double NanosecondsPerSample() const { return 1000.0 / samplingMHz_; }
  double SamplesIn(double nanoseconds) const { return nanoseconds * samplingMHz_ / 1000.0; }
  // One period of the antenna's frequency, the scale of a reflected wavelet.
  double WaveletNanoseconds() const { return 1000.0 / antennaMHz_; }

 private:
  double samplingMHz_ = 0.0;
  double antennaMHz_ = 0.0;
};

}  // namespace tarvix::sievex
