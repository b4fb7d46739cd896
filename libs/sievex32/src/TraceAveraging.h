#pragma once
#include "TraceBlock.h"

namespace tarvix::sievex {

// Replaces each trace by the mean of a centred window of windowTraces traces (an even count takes
// one more), raising the signal against random noise along the profile.
void AverageTraces(TraceBlock& block, int windowTraces);

}  // namespace tarvix::sievex
