#pragma once
#include "TraceBlock.h"

namespace tarvix::sievex {

// Automatic gain control: scales every sample so that the RMS amplitude in a centred window of
// 2 * half + 1 samples around it becomes the RMS of the whole trace. Weak late arrivals come up to
// the strength of early ones; the gain is limited to maxGainDb so that silent stretches are not
// blown up into noise.
void Agc(TraceBlock& block, int half, double maxGainDb);

}  // namespace tarvix::sievex
