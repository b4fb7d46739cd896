#include "BandPass.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "RealFft.h"

namespace tarvix::sievex {

double ZeroPhaseButterworthGain(double f, double low, double high, int order) {
  if (f <= 0.0 || f >= 0.5) return 0.0;
  const double omega = std::tan(std::numbers::pi * f);
  const double omegaLow = std::tan(std::numbers::pi * low);
  const double omegaHigh = std::tan(std::numbers::pi * high);
  // The analogue band-pass is the low-pass prototype at x; its squared magnitude is
  // 1 / (1 + x^(2n)), which is also the gain of the forward-backward pair.
  const double x = (omega * omega - omegaLow * omegaHigh) / ((omegaHigh - omegaLow) * omega);
  return 1.0 / (1.0 + std::pow(x * x, order));
}

void BandPass(TraceBlock& block, double low, double high, int order) {
  if (!(low > 0.0 && low < high && high < 0.5) || block.samples <= 0 || block.traces <= 0) return;
  RealFft fft(RealFft::FastSize(2 * block.samples));
  const int size = fft.Size();
  std::vector<float> response(static_cast<std::size_t>(fft.Bins()));
  for (std::size_t k = 0; k < response.size(); ++k) {
    const double gain = ZeroPhaseButterworthGain(static_cast<double>(k) / size, low, high, order);
    response[k] = static_cast<float>(gain / size);  // the inverse transform does not normalise
  }
  float* signal = fft.Signal();
  std::complex<float>* spectrum = fft.Spectrum();
  for (int j = 0; j < block.traces; ++j) {
    float* trace = block.Trace(j);
    std::copy(trace, trace + block.samples, signal);
    std::fill(signal + block.samples, signal + size, 0.0f);
    fft.Forward();
    for (std::size_t k = 0; k < response.size(); ++k) spectrum[k] *= response[k];
    fft.Inverse();
    std::copy(signal, signal + block.samples, trace);
  }
}

}  // namespace tarvix::sievex
