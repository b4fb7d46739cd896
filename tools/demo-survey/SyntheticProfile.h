#pragma once
#include <cstdint>
#include <vector>

namespace tarvix::demo {

// What lies under one synthetic profile. Lengths in metres, times in nanoseconds.
struct PointReflector {
  double position;  // along the profile
  double depth;
  double amplitude;
};

struct DippingLayer {
  double depthAtStart;
  double slope;  // metres of depth per metre along the profile
  double amplitude;
};

struct ProfileModel {
  int traces = 3000;
  int samples = 512;
  double traceInterval = 0.02;      // metres
  double timeWindow = 80.0;         // nanoseconds over all samples
  double velocity = 0.1;            // metres per nanosecond (100 m/µs)
  double antennaSeparation = 0.1;   // metres
  double centreFrequency = 500.0;   // MHz, of the emitted pulse
  int surfaceSample = 20;           // time zero: the direct wave at the ground surface
  std::vector<DippingLayer> layers;
  std::vector<PointReflector> reflectors;
  double noise = 250.0;             // standard deviation of the added noise
  int clutter = 80;                 // small random scatterers (stones, roots)
  double attenuation = 40.0;        // nanoseconds over which an echo loses 1/e of its amplitude
  unsigned seed = 1;
};

// Two-way travel time in nanoseconds from the antenna pair at `position` to a point at `depth`
// under `pointPosition`, as the migration of the program models it.
double TravelTime(const ProfileModel& model, double position, double pointPosition, double depth);

// The samples of the whole profile, trace after trace, saturated to 16 bits.
std::vector<std::int16_t> Synthesize(const ProfileModel& model);

}  // namespace tarvix::demo
