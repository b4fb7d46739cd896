#include "Envelope.h"

#include <algorithm>
#include <cmath>
#include <complex>

#include "RealFft.h"

namespace tarvix::sievex {

void Envelope(TraceBlock& block) {
  const int n = block.samples;
  if (n <= 0 || block.traces <= 0) return;
  RealFft fft(n);
  float* signal = fft.Signal();
  std::complex<float>* spectrum = fft.Spectrum();
  const int bins = fft.Bins();
  // The Hilbert transform turns each positive-frequency component by -90 degrees; DC and, for an
  // even length, the Nyquist bin have no quadrature part.
  const int lastTurned = n % 2 == 0 ? bins - 2 : bins - 1;
  const float scale = 1.0f / static_cast<float>(n);
  for (int j = 0; j < block.traces; ++j) {
    float* trace = block.Trace(j);
    std::copy(trace, trace + n, signal);
    fft.Forward();
    spectrum[0] = 0.0f;
    for (int k = 1; k <= lastTurned; ++k)
      spectrum[k] = std::complex<float>(spectrum[k].imag(), -spectrum[k].real()) * scale;
    for (int k = lastTurned + 1; k < bins; ++k) spectrum[k] = 0.0f;
    fft.Inverse();
    for (int i = 0; i < n; ++i) trace[i] = std::hypot(trace[i], signal[i]);
  }
}

}  // namespace tarvix::sievex
