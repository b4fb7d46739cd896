#pragma once
#include <cstdint>
#include <vector>

#include "TraceBlock.h"

namespace tarvix::sievex {

// An 8-bit grey picture of the block, row by row: one row per sample, one column per trace.
// Zero is mid grey (128); the amplitude scale is set by the 99th percentile of the magnitudes, so
// that a few spikes do not wash the rest out, and anything beyond it is black or white.
std::vector<std::uint8_t> GreyRadargram(const TraceBlock& block);

}  // namespace tarvix::sievex
