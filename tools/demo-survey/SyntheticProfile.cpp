#include "SyntheticProfile.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace tarvix::demo {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Ricker wavelet of the given centre frequency (MHz) at time t (ns).
double Ricker(double frequencyMHz, double t) {
  const double a = kPi * frequencyMHz * 1e-3 * t;
  return (1.0 - 2.0 * a * a) * std::exp(-a * a);
}

// Adds a wavelet arriving at `time` (ns) to one trace, only over the samples it reaches.
void AddArrival(std::vector<double>& trace, const ProfileModel& model, double time, double amplitude) {
  const double dt = model.timeWindow / model.samples;
  const double centre = model.surfaceSample + time / dt;
  const double halfWidth = 2.0 * 1000.0 / model.centreFrequency / dt;
  const int from = std::max(0, static_cast<int>(centre - halfWidth));
  const int to = std::min(model.samples - 1, static_cast<int>(centre + halfWidth));
  for (int s = from; s <= to; ++s) trace[s] += amplitude * Ricker(model.centreFrequency, (s - centre) * dt);
}

}  // namespace

double TravelTime(const ProfileModel& model, double position, double pointPosition, double depth) {
  const double half = model.antennaSeparation / 2;
  const double offset = position - pointPosition;
  const double down = std::hypot(offset + half, depth);
  const double up = std::hypot(offset - half, depth);
  return (down + up) / model.velocity;
}

std::vector<std::int16_t> Synthesize(const ProfileModel& model) {
  std::mt19937 random(model.seed);
  std::normal_distribution<double> noise(0.0, model.noise);
  std::vector<std::int16_t> data(std::size_t(model.traces) * std::size_t(model.samples));
  const double length = model.traces * model.traceInterval;
  const double deepest = model.timeWindow * model.velocity / 2.0;
  std::uniform_real_distribution<double> along(0.0, length);
  std::uniform_real_distribution<double> down(0.15, deepest);
  std::vector<PointReflector> scatterers = model.reflectors;
  for (int i = 0; i < model.clutter; ++i) scatterers.push_back({along(random), down(random), 1800.0});
  auto echo = [&](std::vector<double>& into, double time, double amplitude) {
    AddArrival(into, model, time, amplitude * std::exp(-time / model.attenuation));
  };
  std::vector<double> trace(std::size_t(model.samples));
  const double dt = model.timeWindow / model.samples;

  for (int t = 0; t < model.traces; ++t) {
    std::fill(trace.begin(), trace.end(), 0.0);
    const double x = t * model.traceInterval;
    AddArrival(trace, model, 0.0, 20000.0);  // the direct wave through air and surface
    for (const auto& layer : model.layers) {
      const double depth = layer.depthAtStart + layer.slope * x;
      if (depth > 0) echo(trace, 2.0 * depth / model.velocity, layer.amplitude);
    }
    for (const auto& point : scatterers) {
      const double time = TravelTime(model, x, point.position, point.depth);
      if (time >= model.timeWindow) continue;
      const double spreading = point.depth / (time * model.velocity / 2.0);
      echo(trace, time, point.amplitude * spreading);
    }
    for (int s = 0; s < model.samples; ++s) {
      // A slow drift ("wow") on every trace, as receivers saturated by the direct wave give.
      const double wow = 1500.0 * std::exp(-s * dt / 25.0);
      const double value = trace[s] + wow + noise(random);
      data[std::size_t(t) * std::size_t(model.samples) + std::size_t(s)] =
          static_cast<std::int16_t>(std::clamp(value, -32768.0, 32767.0));
    }
  }
  return data;
}

}  // namespace tarvix::demo
