#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Agc.h"
#include "BackgroundRemoval.h"
#include "BandPass.h"
#include "Dewow.h"
#include "Envelope.h"
#include "FilterCatalog.h"
#include "MeanRemoval.h"
#include "TestSignals.h"
#include "TimeGain.h"
#include "TraceAveraging.h"

namespace tarvix::sievex {
namespace {

using testing::MakeBlock;
using testing::Rms;
using testing::Sine;

std::vector<float> TraceOf(const TraceBlock& block, int j) {
  return {block.Trace(j), block.Trace(j) + block.samples};
}

TEST(Dewow, RemovesAConstantExactly) {
  for (double level : {0.0, 1000.0, -32768.0, 2147483520.0}) {
    TraceBlock block = MakeBlock(64, 2, [&](int, int) { return level; });
    Dewow(block, 5);
    for (float value : block.data) ASSERT_EQ(value, 0.0f) << level;
  }
}

TEST(Dewow, CentresTheWindowAndClipsItAtTheEnds) {
  // A ramp equals its centred mean inside; at the ends the clipped window lags behind.
  TraceBlock block = MakeBlock(20, 1, [](int, int i) { return i; });
  Dewow(block, 4);
  const std::vector<float> expected = {-2.0f, -1.5f, -1.0f, -0.5f, 0, 0, 0,    0,    0,    0,
                                       0,     0,     0,     0,     0, 0, 0.5f, 1.0f, 1.5f, 2.0f};
  EXPECT_EQ(TraceOf(block, 0), expected);
}

TEST(MeanRemoval, SubtractsEachTracesOwnMean) {
  TraceBlock block(4, 2);
  block.data = {1, 2, 3, 6, -5, -5, -5, -5};
  RemoveTraceMean(block);
  EXPECT_EQ(block.data, (std::vector<float>{-2, -1, 0, 3, 0, 0, 0, 0}));
}

TEST(BackgroundRemoval, SubtractsTheMeanTraceOfTheBlockOrOfAWindow) {
  struct Case {
    int window;
    std::vector<float> expected;
  };
  // Traces {1,2} {3,4} {5,0} {7,2}; the block's mean trace is {4,2}.
  const Case cases[] = {
      {0, {-3, 0, -1, 2, 1, -2, 3, 0}},
      {100, {-3, 0, -1, 2, 1, -2, 3, 0}},
      // Three traces: the ends average two, the middle three.
      {3, {-1, -1, -0, 2, -0, -2, 1, 1}},
  };
  for (const Case& c : cases) {
    TraceBlock block(2, 4);
    block.data = {1, 2, 3, 4, 5, 0, 7, 2};
    RemoveBackground(block, c.window);
    EXPECT_EQ(block.data, c.expected) << c.window;
  }
}

TEST(TraceAveraging, AveragesACentredWindowOfTraces) {
  TraceBlock block = MakeBlock(3, 5, [](int j, int) { return j + 1; });
  AverageTraces(block, 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(block.Trace(0)[i], 1.5f);
    EXPECT_EQ(block.Trace(2)[i], 3.0f);
    EXPECT_EQ(block.Trace(4)[i], 4.5f);
  }
  TraceBlock single = MakeBlock(3, 5, [](int j, int) { return j; });
  const TraceBlock untouched = single;
  AverageTraces(single, 1);
  EXPECT_EQ(single.data, untouched.data);
}

TEST(BandPass, HasUnitGainAtTheCentreAndHalfAtTheCorners) {
  const double low = 0.05, high = 0.2;
  const double centre = std::atan(std::sqrt(std::tan(M_PI * low) * std::tan(M_PI * high))) / M_PI;
  for (int order : {1, 2, 4, 8}) {
    EXPECT_NEAR(ZeroPhaseButterworthGain(centre, low, high, order), 1.0, 1e-12);
    EXPECT_NEAR(ZeroPhaseButterworthGain(low, low, high, order), 0.5, 1e-12);
    EXPECT_NEAR(ZeroPhaseButterworthGain(high, low, high, order), 0.5, 1e-12);
    EXPECT_EQ(ZeroPhaseButterworthGain(0.0, low, high, order), 0.0);
    EXPECT_EQ(ZeroPhaseButterworthGain(0.5, low, high, order), 0.0);
  }
}

TEST(BandPass, PassesTheCentreFrequencyAndStopsFarOnes) {
  struct Case {
    double cycles;
    double lowestRatio;
    double highestRatio;
  };
  // Corners 0.1 and 0.3 of the sampling frequency, order 4; the centre is at 0.187.
  const Case cases[] = {
      {0.1871, 0.99, 1.01},
      {0.01, 0.0, 0.001},
      {0.47, 0.0, 0.001},
  };
  for (const Case& c : cases) {
    TraceBlock block = Sine(1024, c.cycles);
    const double before = Rms(block, 0, 256, 768);
    BandPass(block, 0.1, 0.3, 4);
    const double ratio = Rms(block, 0, 256, 768) / before;
    EXPECT_GE(ratio, c.lowestRatio) << c.cycles;
    EXPECT_LE(ratio, c.highestRatio) << c.cycles;
  }
}

TEST(BandPass, DoesNotRingFromTheEndsOfAnOffsetTrace) {
  // The trace continues in its mirror image, so an offset is DC all the way and is removed.
  TraceBlock block = MakeBlock(300, 1, [](int, int i) { return 1000.0 + 0.5 * i; });
  BandPass(block, 0.1, 0.3, 4);
  for (int i = 0; i < block.samples; ++i) ASSERT_LT(std::fabs(block.Trace(0)[i]), 5.0) << i;

  std::vector<float> buffer(8, -1.0f);
  const float trace[] = {1, 2, 3};
  MirrorPad(trace, 3, buffer.data(), 8);
  EXPECT_EQ(buffer, (std::vector<float>{1, 2, 3, 3, 2, 1, 2, 1}));
  buffer.assign(12, -1.0f);
  MirrorPad(trace, 3, buffer.data(), 12);
  EXPECT_EQ(buffer, (std::vector<float>{1, 2, 3, 3, 2, 1, 0, 0, 0, 3, 2, 1}));
}

TEST(BandPass, LeavesTheTracesAloneForCornersOutsideTheBand) {
  for (auto [low, high] : {std::pair{0.0, 0.2}, std::pair{0.2, 0.1}, std::pair{0.1, 0.5}}) {
    TraceBlock block = Sine(64, 0.02);
    const TraceBlock original = block;
    BandPass(block, low, high, 4);
    EXPECT_EQ(block.data, original.data) << low << " " << high;
  }
}

TEST(TimeGain, CurvesFollowTheirDefinitions) {
  struct Case {
    std::vector<float> curve;
    std::vector<float> expected;
  };
  const Case cases[] = {
      // (t / 10 ns)^2, never below 1, at t = 0, 5, 10, 15, 20, 25, 30 ns.
      {PowerGainCurve(7, 5.0, 10.0, 2.0), {1, 1, 1, 2.25f, 4, 6.25f, 9}},
      // 2 dB/ns: 20 dB, ten times the amplitude, every 10 ns.
      {ExponentialGainCurve(3, 10.0, 2.0), {1, 10, 100}},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(c.curve.size(), c.expected.size());
    for (std::size_t i = 0; i < c.curve.size(); ++i)
      EXPECT_NEAR(c.curve[i], c.expected[i], 1e-4 * c.expected[i]) << i;
  }
  TraceBlock block(3, 2);
  block.data = {1, -2, 3, 4, 5, -6};
  ApplyGainCurve(block, {1, 10, 100});
  EXPECT_EQ(block.data, (std::vector<float>{1, -20, 300, 4, 50, -600}));
}

TEST(Agc, EvensOutADecayingTrace) {
  TraceBlock block = MakeBlock(
      1024, 1, [](int, int i) { return 20000.0 * std::exp(-i / 150.0) * std::sin(2 * M_PI * 0.05 * i); });
  const double decayBefore = Rms(block, 0, 100, 300) / Rms(block, 0, 700, 900);
  ASSERT_GT(decayBefore, 10.0);
  Agc(block, 40, 60.0);
  const double decayAfter = Rms(block, 0, 100, 300) / Rms(block, 0, 700, 900);
  EXPECT_GT(decayAfter, 0.9);
  EXPECT_LT(decayAfter, 1.1);
}

TEST(Agc, LimitsTheGainInQuietStretches) {
  // A loud first half and a faint second half: 40 dB lets the faint part grow a hundredfold at most.
  TraceBlock block =
      MakeBlock(1000, 1, [](int, int i) { return (i < 500 ? 1000.0 : 0.001) * std::sin(0.3 * i); });
  Agc(block, 10, 40.0);
  const double target = std::sqrt((500 * 1000.0 * 1000.0 + 500 * 1e-6) / 2.0 / 1000.0);
  EXPECT_LE(Rms(block, 0, 700, 900), 0.001 / std::sqrt(2.0) * 100.0 * 1.01);
  EXPECT_NEAR(Rms(block, 0, 100, 300), target, 0.02 * target);
}

TEST(Envelope, OfASineIsFlatAndOfAModulatedSineFollowsTheModulation) {
  TraceBlock sine = Sine(512, 16.0 / 512.0, 300.0);
  Envelope(sine);
  for (float value : sine.data) ASSERT_NEAR(value, 300.0, 0.01);

  // A slow Gaussian bump on a fast carrier: the envelope is the bump.
  auto bump = [](int i) { return 1000.0 * std::exp(-std::pow((i - 256) / 60.0, 2)); };
  TraceBlock modulated =
      MakeBlock(512, 1, [&](int, int i) { return bump(i) * std::cos(2 * M_PI * 0.2 * i); });
  Envelope(modulated);
  for (int i = 0; i < 512; ++i) ASSERT_NEAR(modulated.Trace(0)[i], bump(i), 2.0) << i;
}

TEST(Timing, FallsBackWhereTheBlockGivesNothingUsable) {
  struct Case {
    double sampling;
    double antenna;
    bool clock;
    double expectedAntenna;
  };
  const Case cases[] = {
      {1000.0, 250.0, true, 250.0}, {1000.0, 0.0, true, 100.0},    {1000.0, NAN, true, 100.0},
      {1000.0, 600.0, true, 100.0}, {0.0, 250.0, false, 0.0},      {-5.0, 250.0, false, 0.0},
      {NAN, 250.0, false, 0.0},     {INFINITY, 250.0, false, 0.0},
  };
  for (const Case& c : cases) {
    const BlockTiming timing(c.sampling, c.antenna);
    EXPECT_EQ(timing.HasClock(), c.clock) << c.sampling << " " << c.antenna;
    if (c.clock) {
      EXPECT_DOUBLE_EQ(timing.AntennaMHz(), c.expectedAntenna) << c.sampling << " " << c.antenna;
    }
  }
}

TEST(Catalog, AutomaticParametersFollowTheAntenna) {
  // With automatic corners a band-pass keeps the antenna's frequency and removes a tenth of it,
  // whatever the antenna.
  const FilterKind& bandpass = *FindKind("bandpass");
  for (double antenna : {100.0, 250.0, 500.0}) {
    const BlockTiming timing(antenna * 10.0, antenna);
    for (auto [cycles, passes] : {std::pair{0.1, true}, std::pair{0.01, false}}) {
      TraceBlock block = Sine(2048, cycles);
      const double before = Rms(block, 0, 512, 1536);
      bandpass.run(block, {0.0, 0.0, 4.0}, timing);
      const double ratio = Rms(block, 0, 512, 1536) / before;
      if (passes) {
        EXPECT_NEAR(ratio, 1.0, 0.05) << antenna;
      } else {
        EXPECT_LT(ratio, 0.01) << antenna;
      }
    }
  }
}

TEST(Catalog, TimeFiltersLeaveABlockWithoutAClockAlone) {
  for (const char* name : {"dewow", "bandpass", "powergain", "expgain", "agc"}) {
    const FilterKind& kind = *FindKind(name);
    std::vector<double> values;
    for (const ParameterSpec& spec : kind.parameters) values.push_back(spec.initial);
    TraceBlock block = testing::Noise(64, 3, 7);
    const TraceBlock original = block;
    kind.run(block, values, BlockTiming(0.0, 250.0));
    EXPECT_EQ(block.data, original.data) << name;
  }
}

}  // namespace
}  // namespace tarvix::sievex
