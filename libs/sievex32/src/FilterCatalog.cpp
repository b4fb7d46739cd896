#include "FilterCatalog.h"

#include <algorithm>
#include <cmath>

#include "Agc.h"
#include "BackgroundRemoval.h"
#include "BandPass.h"
#include "Dewow.h"
#include "Envelope.h"
#include "MeanRemoval.h"
#include "TimeGain.h"
#include "TraceAveraging.h"

namespace tarvix::sievex {

namespace {

constexpr double kLongestNs = 100000.0;
constexpr double kHighestMHz = 100000.0;
constexpr double kMostTraces = 100001.0;
// Automatic windows in periods of the antenna's frequency.
constexpr double kAgcPeriods = 4.0;
// The automatic exponential gain lifts the end of the trace by this much.
constexpr double kAutoExponentialDb = 20.0;
// Corners are kept below Nyquist, where the response is defined.
constexpr double kHighestCorner = 0.45;

double Or(double value, double automatic) { return value > 0.0 ? value : automatic; }

// Half a centred window of the given length, at least one sample either side.
int HalfWindow(const BlockTiming& timing, double nanoseconds) {
  const double half = std::round(timing.SamplesIn(nanoseconds) / 2.0);
  return static_cast<int>(std::clamp(half, 1.0, 1.0e8));
}

void RunDewow(TraceBlock& block, const std::vector<double>& values, const BlockTiming& timing) {
  if (!timing.HasClock()) return;
  Dewow(block, HalfWindow(timing, Or(values[0], timing.WaveletNanoseconds())));
}

void RunMeanRemoval(TraceBlock& block, const std::vector<double>&, const BlockTiming&) {
  RemoveTraceMean(block);
}

void RunBackground(TraceBlock& block, const std::vector<double>& values, const BlockTiming&) {
  RemoveBackground(block, static_cast<int>(values[0]));
}

void RunBandPass(TraceBlock& block, const std::vector<double>& values, const BlockTiming& timing) {
  if (!timing.HasClock()) return;
  const double fs = timing.SamplingMHz();
  const double low = Or(values[0], timing.AntennaMHz() / 2.0) / fs;
  const double high = std::min(Or(values[1], timing.AntennaMHz() * 2.0) / fs, kHighestCorner);
  BandPass(block, low, high, static_cast<int>(values[2]));
}

void RunPowerGain(TraceBlock& block, const std::vector<double>& values, const BlockTiming& timing) {
  if (!timing.HasClock()) return;
  ApplyGainCurve(block, PowerGainCurve(block.samples, timing.NanosecondsPerSample(),
                                       Or(values[1], timing.WaveletNanoseconds()), values[0]));
}

void RunExponentialGain(TraceBlock& block, const std::vector<double>& values, const BlockTiming& timing) {
  if (!timing.HasClock() || block.samples <= 0) return;
  const double traceNs = block.samples * timing.NanosecondsPerSample();
  ApplyGainCurve(block, ExponentialGainCurve(block.samples, timing.NanosecondsPerSample(),
                                             Or(values[0], kAutoExponentialDb / traceNs)));
}

void RunAgc(TraceBlock& block, const std::vector<double>& values, const BlockTiming& timing) {
  if (!timing.HasClock()) return;
  Agc(block, HalfWindow(timing, Or(values[0], kAgcPeriods * timing.WaveletNanoseconds())), values[1]);
}

void RunAverage(TraceBlock& block, const std::vector<double>& values, const BlockTiming&) {
  AverageTraces(block, static_cast<int>(values[0]));
}

void RunEnvelope(TraceBlock& block, const std::vector<double>&, const BlockTiming&) { Envelope(block); }

std::vector<FilterKind> MakeCatalog() {
  return {
      {"dewow",
       "Dewow (running-mean removal)",
       "Subtracts each trace's running mean, removing the slow drift of the first samples. The "
       "automatic window is one period of the antenna frequency.",
       {{"window", "Window", "ns", 0.0, kLongestNs, 0.0, 2, "auto"}},
       RunDewow},
      {"dcremoval", "Trace mean (DC) removal", "Subtracts each trace's mean.", {}, RunMeanRemoval},
      {"background",
       "Background removal",
       "Subtracts the mean trace, removing ringing and horizontal bands. All: the mean of the whole "
       "block; otherwise of a sliding window of that many traces.",
       {{"traces", "Window", "traces", 0.0, kMostTraces, 0.0, 0, "all"}},
       RunBackground},
      {"bandpass",
       "Band-pass (zero-phase Butterworth)",
       "Keeps the frequencies between the corners. Automatic corners: half and twice the antenna "
       "frequency, below 0.45 times the sampling frequency.",
       {{"low", "Low corner", "MHz", 0.0, kHighestMHz, 0.0, 1, "auto"},
        {"high", "High corner", "MHz", 0.0, kHighestMHz, 0.0, 1, "auto"},
        {"order", "Order", "", 1.0, 8.0, 4.0, 0, ""}},
       RunBandPass},
      {"powergain",
       "Power gain (t^p)",
       "Multiplies by (t / reference) to the power p after the reference time. The automatic "
       "reference is one period of the antenna frequency.",
       {{"exponent", "Exponent p", "", 0.0, 4.0, 1.0, 2, ""},
        {"reference", "Reference", "ns", 0.0, kLongestNs, 0.0, 2, "auto"}},
       RunPowerGain},
      {"expgain",
       "Exponential gain",
       "Raises the gain steadily with time. The automatic rate lifts the end of the trace by 20 dB.",
       {{"rate", "Rate", "dB/ns", 0.0, 100.0, 0.0, 3, "auto"}},
       RunExponentialGain},
      {"agc",
       "AGC (automatic gain control)",
       "Evens out the amplitude along each trace over a sliding window. The automatic window is "
       "four periods of the antenna frequency.",
       {{"window", "Window", "ns", 0.0, kLongestNs, 0.0, 2, "auto"},
        {"maxgain", "Largest gain", "dB", 0.0, 120.0, 40.0, 1, ""}},
       RunAgc},
      {"average",
       "Running trace average",
       "Replaces each trace by the mean of its neighbours, reducing random noise.",
       {{"traces", "Window", "traces", 1.0, kMostTraces, 3.0, 0, ""}},
       RunAverage},
      {"envelope",
       "Envelope (instantaneous amplitude)",
       "Replaces each trace by the amplitude of its analytic signal.",
       {},
       RunEnvelope},
  };
}

}  // namespace

const std::vector<FilterKind>& Catalog() {
  static const std::vector<FilterKind> catalog = MakeCatalog();
  return catalog;
}

const FilterKind* FindKind(std::string_view name) {
  for (const FilterKind& kind : Catalog())
    if (kind.name == name) return &kind;
  return nullptr;
}

}  // namespace tarvix::sievex
