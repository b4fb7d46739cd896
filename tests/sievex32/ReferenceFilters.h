#pragma once
#include <vector>

#include "TraceBlock.h"

// Straightforward versions of the library's filters, written from their definitions with no
// attention to speed: the tests' oracle and the benchmark's baseline.
namespace tarvix::sievex::reference {

// Each sample minus the mean of the window [i - half, i + half] clipped to the trace, summed anew.
void Dewow(TraceBlock& block, int half);
// Each trace minus the mean of traces [j - half, j + half] clipped to the block, summed anew.
void RemoveBackground(TraceBlock& block, int half);
// Each trace minus the mean of all traces, computed once.
void RemoveMeanTrace(TraceBlock& block);
// Each trace replaced by that mean.
void AverageTraces(TraceBlock& block, int half);
// Each sample times trace RMS / max(window RMS, trace RMS / max gain), the window summed anew.
void Agc(TraceBlock& block, int half, double maxGainDb);
// A cascade of second-order sections designed from the Butterworth poles, run forwards and then
// backwards over each trace with its mirror image on either side.
void RecursiveBandPass(TraceBlock& block, double low, double high, int order);

}  // namespace tarvix::sievex::reference
