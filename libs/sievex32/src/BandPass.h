#pragma once
#include "TraceBlock.h"

namespace tarvix::sievex {

// The gain of a Butterworth band-pass of the given order run forwards and backwards (so without
// phase shift) at the frequency f, all frequencies as fractions of the sampling frequency. The
// digital filter is the bilinear transform of the analogue one, so the gain is exactly 1 at the
// centre sqrt(low * high) of the prewarped corners, 1/2 at each corner and 0 at DC and Nyquist.
double ZeroPhaseButterworthGain(double f, double low, double high, int order);

// Filters every trace with that response. Each trace is padded with zeros to at least twice its
// length first, so the filter's ringing does not wrap round from one end to the other.
// Nothing happens unless 0 < low < high < 1/2.
void BandPass(TraceBlock& block, double low, double high, int order);

}  // namespace tarvix::sievex
