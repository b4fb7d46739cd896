#pragma once
#include "TraceBlock.h"

namespace tarvix::sievex {

// Subtracts each trace's own mean, removing the receiver's DC offset.
void RemoveTraceMean(TraceBlock& block);

}  // namespace tarvix::sievex
