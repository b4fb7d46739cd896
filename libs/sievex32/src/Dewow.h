#pragma once
#include "TraceBlock.h"

namespace tarvix::sievex {

// Removes the slowly varying "wow" of each trace: subtracts its running mean over a centred window
// of 2 * half + 1 samples.
void Dewow(TraceBlock& block, int half);

}  // namespace tarvix::sievex
