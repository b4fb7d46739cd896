#pragma once
#include "TraceBlock.h"

namespace tarvix::sievex {

// means[i] = the mean of values[i - half .. i + half], the window clipped to the n values, so the
// ends average fewer values rather than invented ones. means must not alias values.
void CentredMeans(const float* values, int n, int half, float* means);

// Trace j of the result is the mean of traces j - half .. j + half of the block, clipped likewise.
TraceBlock CentredTraceMeans(const TraceBlock& block, int half);

// The mean of all traces of the block.
std::vector<float> MeanTrace(const TraceBlock& block);

}  // namespace tarvix::sievex
