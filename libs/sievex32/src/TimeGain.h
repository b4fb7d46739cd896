#pragma once
#include <vector>

#include "TraceBlock.h"

namespace tarvix::sievex {

// Gain curves that make up for the spreading and absorption losses of later arrivals, one factor
// per sample, with t the time of sample i, i * nanosecondsPerSample.

// (t / reference)^exponent, but never below 1: the early part up to the reference stays as it is.
std::vector<float> PowerGainCurve(int samples, double nanosecondsPerSample, double referenceNs,
                                  double exponent);

// An exponential gain of dBPerNs decibels for each nanosecond.
std::vector<float> ExponentialGainCurve(int samples, double nanosecondsPerSample, double dBPerNs);

// Multiplies every trace by the curve.
void ApplyGainCurve(TraceBlock& block, const std::vector<float>& curve);

}  // namespace tarvix::sievex
