#include "BlockTiming.h"

#include <cmath>

namespace tarvix::sievex {

namespace {
// Beyond this a header value is damage rather than a radar's sampling rate.
constexpr double kHighestFrequencyMHz = 1.0e6;

bool Usable(double frequency) {
  return std::isfinite(frequency) && frequency > 0.0 && frequency <= kHighestFrequencyMHz;
}
}  // namespace

BlockTiming::BlockTiming(double samplingMHz, double antennaMHz) {
  if (!Usable(samplingMHz)) return;
  samplingMHz_ = samplingMHz;
  antennaMHz_ = Usable(antennaMHz) && antennaMHz < samplingMHz / 2.0 ? antennaMHz : samplingMHz / 10.0;
}

BlockTiming BlockTiming::From(const SievexDataDescription& data) {
  return BlockTiming(data.samplingFrequency, data.antennaFrequency);
}

}  // namespace tarvix::sievex
