#pragma once
#include "TraceBlock.h"

namespace tarvix::sievex {

// Subtracts the background that every trace shares (antenna ringing, horizontal banding): the mean
// trace of the whole block when windowTraces is 0 or covers the block, otherwise the mean of a
// centred window of windowTraces traces (an even count takes one more), which keeps slowly
// changing layers.
void RemoveBackground(TraceBlock& block, int windowTraces);

}  // namespace tarvix::sievex
