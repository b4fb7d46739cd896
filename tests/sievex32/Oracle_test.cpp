// The library's filters against their straightforward versions on noise.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "Agc.h"
#include "BackgroundRemoval.h"
#include "BandPass.h"
#include "Dewow.h"
#include "ReferenceFilters.h"
#include "TestSignals.h"
#include "TraceAveraging.h"

namespace tarvix::sievex {
namespace {

struct Case {
  std::string name;
  std::function<void(TraceBlock&)> fast;
  std::function<void(TraceBlock&)> straightforward;
  // Largest difference allowed, relative to the RMS of the straightforward result.
  double tolerance;
};

TEST(Oracle, FiltersAgreeWithTheirStraightforwardVersions) {
  const Case cases[] = {
      {"dewow", [](TraceBlock& b) { Dewow(b, 7); }, [](TraceBlock& b) { reference::Dewow(b, 7); }, 1e-5},
      {"dewow wider than the trace", [](TraceBlock& b) { Dewow(b, 500); },
       [](TraceBlock& b) { reference::Dewow(b, 500); }, 1e-5},
      {"background, sliding", [](TraceBlock& b) { RemoveBackground(b, 9); },
       [](TraceBlock& b) { reference::RemoveBackground(b, 4); }, 1e-5},
      {"background, whole block", [](TraceBlock& b) { RemoveBackground(b, 0); },
       [](TraceBlock& b) { reference::RemoveMeanTrace(b); }, 1e-5},
      {"average", [](TraceBlock& b) { AverageTraces(b, 5); },
       [](TraceBlock& b) { reference::AverageTraces(b, 2); }, 1e-5},
      {"agc", [](TraceBlock& b) { Agc(b, 12, 30.0); }, [](TraceBlock& b) { reference::Agc(b, 12, 30.0); },
       1e-5},
      {"band-pass", [](TraceBlock& b) { BandPass(b, 0.05, 0.2, 4); },
       [](TraceBlock& b) { reference::RecursiveBandPass(b, 0.05, 0.2, 4); }, 1e-5},
      {"band-pass, odd order and a wide band", [](TraceBlock& b) { BandPass(b, 0.02, 0.4, 3); },
       [](TraceBlock& b) { reference::RecursiveBandPass(b, 0.02, 0.4, 3); }, 1e-5},
  };
  for (const Case& c : cases) {
    TraceBlock fast = testing::Noise(300, 17, 42);
    TraceBlock slow = fast;
    c.fast(fast);
    c.straightforward(slow);
    double power = 0.0;
    for (float v : slow.data) power += static_cast<double>(v) * v;
    const double rms = std::sqrt(power / static_cast<double>(slow.data.size()));
    ASSERT_GT(rms, 0.0) << c.name;
    double worst = 0.0;
    for (int j = 0; j < fast.traces; ++j)
      for (int i = 0; i < fast.samples; ++i)
        worst = std::max(worst, static_cast<double>(std::fabs(fast.Trace(j)[i] - slow.Trace(j)[i])));
    EXPECT_LE(worst / rms, c.tolerance) << c.name;
  }
}

}  // namespace
}  // namespace tarvix::sievex
