#pragma once
#include "TraceBlock.h"

namespace tarvix::sievex {

// The gain of a Butterworth band-pass of the given order run forwards and backwards (so without
// phase shift) at the frequency f, all frequencies as fractions of the sampling frequency. The
// digital filter is the bilinear transform of the analogue one, so the gain is exactly 1 at the
// centre sqrt(low * high) of the prewarped corners, 1/2 at each corner and 0 at DC and Nyquist.
double ZeroPhaseButterworthGain(double f, double low, double high, int order);

// Filters every trace with that response. The transform runs over at least twice the trace's
// length, so the filter's ringing does not wrap round from one end to the other.
// Nothing happens unless 0 < low < high < 1/2.
void BandPass(TraceBlock& block, double low, double high, int order);

// Fills the size values of buffer with the n values of trace followed by its mirror images: the
// end reversed, then, wrapping round to the start, the start reversed. A trace whose ends do not
// meet then has no step at either end to ring from.
void MirrorPad(const float* trace, int n, float* buffer, int size);

}  // namespace tarvix::sievex
