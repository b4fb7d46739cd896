#include "BandPass.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "RealFft.h"

namespace tarvix::sievex {

void MirrorPad(const float* trace, int n, float* buffer, int size) {
  std::copy(trace, trace + n, buffer);
  const int padding = size - n;
  const int tail = std::min((padding + 1) / 2, n);
  const int head = std::min(padding - tail, n);
  for (int k = 0; k < tail; ++k) buffer[n + k] = trace[n - 1 - k];
  std::fill(buffer + n + tail, buffer + size - head, 0.0f);
  for (int k = 0; k < head; ++k) buffer[size - 1 - k] = trace[k];
}

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
    MirrorPad(trace, block.samples, signal, size);
    fft.Forward();
    for (std::size_t k = 0; k < response.size(); ++k) spectrum[k] *= response[k];
    fft.Inverse();
    std::copy(signal, signal + block.samples, trace);
  }
}

}  // namespace tarvix::sievex
