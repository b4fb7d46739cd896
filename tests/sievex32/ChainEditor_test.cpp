#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "ChainEditor.h"
#include "GreyRadargram.h"

namespace tarvix::sievex {
namespace {

std::vector<std::string_view> Names(const FilterChain& chain) {
  std::vector<std::string_view> names;
  for (const FilterStep& step : chain) names.push_back(step.kind->name);
  return names;
}

using Names_ = std::vector<std::string_view>;

TEST(ChainEditor, AddsAfterTheSelectionAndMovesAndRemovesTheSelectedFilter) {
  ChainEditor editor({}, {});
  EXPECT_EQ(editor.Selected(), -1);
  EXPECT_FALSE(editor.CanRemove());
  editor.Add(*FindKind("dewow"));
  editor.Add(*FindKind("agc"));
  editor.Select(0);
  editor.Add(*FindKind("bandpass"));
  EXPECT_EQ(Names(editor.Chain()), (Names_{"dewow", "bandpass", "agc"}));
  EXPECT_EQ(editor.Selected(), 1);

  editor.MoveDown();
  EXPECT_EQ(Names(editor.Chain()), (Names_{"dewow", "agc", "bandpass"}));
  EXPECT_EQ(editor.Selected(), 2);
  EXPECT_FALSE(editor.CanMoveDown());
  editor.MoveDown();
  EXPECT_EQ(editor.Selected(), 2);
  editor.MoveUp();
  editor.MoveUp();
  EXPECT_EQ(Names(editor.Chain()), (Names_{"bandpass", "dewow", "agc"}));
  EXPECT_FALSE(editor.CanMoveUp());

  editor.Select(2);
  editor.Remove();
  EXPECT_EQ(Names(editor.Chain()), (Names_{"bandpass", "dewow"}));
  EXPECT_EQ(editor.Selected(), 1);
  editor.Remove();
  editor.Remove();
  EXPECT_TRUE(editor.Chain().empty());
  EXPECT_EQ(editor.Selected(), -1);
}

TEST(ChainEditor, ReportsAChangeOnlyWhenTheChainDiffersFromTheOriginal) {
  const FilterChain original = {MakeStep(*FindKind("dewow")), MakeStep(*FindKind("agc"))};
  ChainEditor editor(original, {});
  EXPECT_FALSE(editor.Changed());
  editor.SetEnabled(1, false);
  EXPECT_TRUE(editor.Changed());
  editor.SetEnabled(1, true);
  EXPECT_FALSE(editor.Changed());
  editor.MoveDown();
  EXPECT_TRUE(editor.Changed());
  editor.MoveUp();
  editor.Add(*FindKind("envelope"));
  editor.Remove();
  EXPECT_FALSE(editor.Changed());
  editor.Select(1);
  editor.SetValue(1, 40.0);  // the value it had
  EXPECT_FALSE(editor.Changed());
  editor.SetValue(1, 12.0);
  EXPECT_TRUE(editor.Changed());
}

TEST(ChainEditor, HoldsValuesWithinTheirRangeAndDecimals) {
  struct Case {
    double entered;
    double stored;
  };
  // The band-pass order: whole numbers from 1 to 8.
  const Case cases[] = {{3.0, 3.0}, {2.6, 3.0}, {0.0, 1.0}, {1e9, 8.0}, {-4.0, 1.0}};
  for (const Case& c : cases) {
    ChainEditor editor({MakeStep(*FindKind("bandpass"))}, {});
    editor.SetValue(2, c.entered);
    EXPECT_EQ(editor.Chain()[0].values[2], c.stored) << c.entered;
  }
  ChainEditor editor({MakeStep(*FindKind("bandpass"))}, {});
  editor.SetValue(2, std::numeric_limits<double>::quiet_NaN());
  editor.SetValue(7, 2.0);
  EXPECT_FALSE(editor.Changed());
}

TEST(ChainEditor, PreviewSaturatesAsTheStoredSamplesWould) {
  for (bool wide : {false, true}) {
    EditorPreview preview;
    preview.timing = BlockTiming(1000.0, 100.0);
    preview.wideSamples = wide;
    preview.traces = TraceBlock(2, 1);
    preview.traces.data = {30000.0f, -30000.0f};
    FilterStep gain = MakeStep(*FindKind("expgain"));
    gain.values = {100.0};  // 100 dB/ns: a hundred thousandfold after one nanosecond
    ChainEditor editor({gain}, preview);
    const TraceBlock filtered = editor.Filtered();
    EXPECT_EQ(filtered.data[0], 30000.0f);
    EXPECT_EQ(filtered.data[1],
              wide ? static_cast<float>(std::numeric_limits<std::int32_t>::min()) : -32768.0f);
    EXPECT_EQ(editor.Preview().traces.data[1], -30000.0f);
  }
}

TEST(GreyRadargram, DrawsTracesAsColumnsAroundMidGrey) {
  TraceBlock block(3, 2);
  // Trace 0 is silent; trace 1 rises from negative to positive.
  block.data = {0, 0, 0, -10, 0, 10};
  const std::vector<std::uint8_t> grey = GreyRadargram(block);
  // Rows are samples, columns traces.
  EXPECT_EQ(grey, (std::vector<std::uint8_t>{128, 0, 128, 128, 128, 255}));
  EXPECT_EQ(GreyRadargram(TraceBlock(4, 3)), std::vector<std::uint8_t>(12, 128));
}

}  // namespace
}  // namespace tarvix::sievex
