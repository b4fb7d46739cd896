#include "ReferenceFilters.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace tarvix::sievex::reference {

namespace {

using Complex = std::complex<double>;

double WindowMean(const float* values, int n, int centre, int half) {
  const int low = std::max(0, centre - half);
  const int high = std::min(n - 1, centre + half);
  double sum = 0.0;
  for (int i = low; i <= high; ++i) sum += values[i];
  return sum / (high - low + 1);
}

TraceBlock TraceMeans(const TraceBlock& block, int half) {
  TraceBlock means(block.samples, block.traces);
  for (int j = 0; j < block.traces; ++j) {
    const int low = std::max(0, j - half);
    const int high = std::min(block.traces - 1, j + half);
    for (int i = 0; i < block.samples; ++i) {
      double sum = 0.0;
      for (int k = low; k <= high; ++k) sum += block.Trace(k)[i];
      means.Trace(j)[i] = static_cast<float>(sum / (high - low + 1));
    }
  }
  return means;
}

struct Section {
  double a1;
  double a2;
};

void RunSections(std::vector<double>& signal, const std::vector<Section>& sections, double gain) {
  for (double& value : signal) value *= gain;
  for (const Section& section : sections) {
    // Numerator 1 - z^-2: one zero at DC and one at Nyquist per section.
    double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
    for (double& value : signal) {
      const double y = value - x2 - section.a1 * y1 - section.a2 * y2;
      x2 = x1;
      x1 = value;
      y2 = y1;
      y1 = y;
      value = y;
    }
  }
}

}  // namespace

void Dewow(TraceBlock& block, int half) {
  for (int j = 0; j < block.traces; ++j) {
    const std::vector<float> original(block.Trace(j), block.Trace(j) + block.samples);
    for (int i = 0; i < block.samples; ++i)
      block.Trace(j)[i] =
          static_cast<float>(original[i] - WindowMean(original.data(), block.samples, i, half));
  }
}

void RemoveBackground(TraceBlock& block, int half) {
  const TraceBlock means = TraceMeans(block, half);
  for (std::size_t i = 0; i < block.data.size(); ++i) block.data[i] -= means.data[i];
}

void RemoveMeanTrace(TraceBlock& block) {
  std::vector<double> sum(static_cast<std::size_t>(block.samples), 0.0);
  for (int j = 0; j < block.traces; ++j)
    for (int i = 0; i < block.samples; ++i) sum[i] += block.Trace(j)[i];
  for (int j = 0; j < block.traces; ++j)
    for (int i = 0; i < block.samples; ++i) block.Trace(j)[i] -= static_cast<float>(sum[i] / block.traces);
}

void AverageTraces(TraceBlock& block, int half) { block = TraceMeans(block, half); }

void Agc(TraceBlock& block, int half, double maxGainDb) {
  const double maxGain = std::pow(10.0, maxGainDb / 20.0);
  for (int j = 0; j < block.traces; ++j) {
    float* trace = block.Trace(j);
    std::vector<float> power(static_cast<std::size_t>(block.samples));
    double total = 0.0;
    for (int i = 0; i < block.samples; ++i) {
      power[i] = trace[i] * trace[i];
      total += power[i];
    }
    if (total <= 0.0) continue;
    const double target = std::sqrt(total / block.samples);
    for (int i = 0; i < block.samples; ++i) {
      const double rms = std::sqrt(WindowMean(power.data(), block.samples, i, half));
      trace[i] = static_cast<float>(trace[i] * target / std::max(rms, target / maxGain));
    }
  }
}

void RecursiveBandPass(TraceBlock& block, double low, double high, int order) {
  const double omegaLow = std::tan(std::numbers::pi * low);
  const double omegaHigh = std::tan(std::numbers::pi * high);
  const double width = omegaHigh - omegaLow;
  const double centre2 = omegaLow * omegaHigh;
  // The low-pass prototype's poles, mapped to the band-pass and then by the bilinear transform.
  std::vector<Complex> poles;
  for (int k = 0; k < order; ++k) {
    const Complex p = std::polar(1.0, std::numbers::pi * (2.0 * k + order + 1) / (2.0 * order));
    const Complex root = std::sqrt(p * p * width * width - 4.0 * centre2);
    for (const Complex s : {(p * width + root) / 2.0, (p * width - root) / 2.0})
      poles.push_back((1.0 + s) / (1.0 - s));
  }
  std::vector<Section> sections;
  std::vector<double> realPoles;
  for (const Complex z : poles) {
    if (z.imag() > 1e-12)
      sections.push_back({-2.0 * z.real(), std::norm(z)});
    else if (z.imag() >= -1e-12)
      realPoles.push_back(z.real());
  }
  for (std::size_t i = 0; i + 1 < realPoles.size(); i += 2)
    sections.push_back({-(realPoles[i] + realPoles[i + 1]), realPoles[i] * realPoles[i + 1]});
  // Unit gain at the centre of the band.
  const Complex z = std::polar(1.0, 2.0 * std::atan(std::sqrt(centre2)));
  Complex response = 1.0;
  for (const Section& section : sections)
    response *= (1.0 - 1.0 / (z * z)) / (1.0 + section.a1 / z + section.a2 / (z * z));
  const double gain = 1.0 / std::abs(response);

  const auto n = static_cast<std::size_t>(block.samples);
  for (int j = 0; j < block.traces; ++j) {
    float* trace = block.Trace(j);
    std::vector<double> signal(3 * n);
    for (std::size_t i = 0; i < n; ++i) {
      signal[n - 1 - i] = trace[i];
      signal[n + i] = trace[i];
      signal[3 * n - 1 - i] = trace[i];
    }
    RunSections(signal, sections, gain);
    std::reverse(signal.begin(), signal.end());
    RunSections(signal, sections, gain);
    std::reverse(signal.begin(), signal.end());
    for (std::size_t i = 0; i < n; ++i) trace[i] = static_cast<float>(signal[n + i]);
  }
}

}  // namespace tarvix::sievex::reference
