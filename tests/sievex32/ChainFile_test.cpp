#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ChainFile.h"
#include "support/TempDir.h"

namespace tarvix::sievex {
namespace {

FilterStep Step(const char* name, bool enabled, std::vector<double> values) {
  FilterStep step = MakeStep(*FindKind(name));
  step.enabled = enabled;
  step.values = std::move(values);
  return step;
}

TEST(ChainFile, WritesOneReadableLinePerFilter) {
  const FilterChain chain = {Step("dewow", true, {0.0}), Step("bandpass", false, {100.0, 400.5, 2.0}),
                             Step("background", true, {0.0}), Step("envelope", true, {})};
  EXPECT_EQ(FormatChain(chain),
            "SIEVEX32 FILTERS 1\r\n"
            "dewow on window=auto\r\n"
            "bandpass off low=100 high=400.5 order=2\r\n"
            "background on traces=all\r\n"
            "envelope on\r\n");
}

TEST(ChainFile, ReadsBackEveryFilterWithItsValues) {
  FilterChain chain;
  for (const FilterKind& kind : Catalog()) {
    FilterStep step = MakeStep(kind);
    // Values off the defaults that need every digit to read back.
    for (std::size_t p = 0; p < step.values.size(); ++p) {
      const ParameterSpec& spec = kind.parameters[p];
      step.values[p] = spec.decimals == 0 ? spec.minimum + 1.0 : spec.minimum + 0.1 + 1.0 / 3.0;
    }
    step.enabled = chain.size() % 2 == 0;
    chain.push_back(step);
  }
  EXPECT_EQ(ParseChain(FormatChain(chain)), chain);
  EXPECT_EQ(ParseChain(FormatChain({})), FilterChain{});
}

TEST(ChainFile, AcceptsLfLinesCommentsMissingKeysAndAnyKeyOrder) {
  const std::optional<FilterChain> chain = ParseChain(
      "SIEVEX32 FILTERS 1\n"
      "# written by hand\n"
      "\n"
      "  bandpass   on order=2\tlow=50  \n"
      "agc off\n");
  ASSERT_TRUE(chain.has_value());
  EXPECT_EQ(*chain, (FilterChain{Step("bandpass", true, {50.0, 0.0, 2.0}), Step("agc", false, {0.0, 40.0})}));
}

TEST(ChainFile, RejectsDamagedAndUnknownText) {
  const std::string header = "SIEVEX32 FILTERS 1\r\n";
  std::string tooMany = header;
  for (int i = 0; i < 65; ++i) tooMany += "dcremoval on\r\n";
  const std::string cases[] = {
      "",
      "dewow on\r\n",
      "SIEVEX32 FILTERS 2\r\ndewow on\r\n",
      "SIEVEX32 FIL",
      header + "dewow on wind",
      header + "sharpen on\r\n",
      header + "dewow\r\n",
      header + "dewow yes\r\n",
      header + "dewow on window\r\n",
      header + "dewow on width=3\r\n",
      header + "dewow on window=3 window=4\r\n",
      header + "dewow on window=nan\r\n",
      header + "dewow on window=NAN\r\n",
      header + "dewow on window=inf\r\n",
      header + "dewow on window=1e400\r\n",
      header + "dewow on window=1e300\r\n",
      header + "dewow on window=-1\r\n",
      header + "dewow on window=4x\r\n",
      header + "dewow on window=\r\n",
      header + "bandpass on order=2.5\r\n",
      header + "bandpass on order=auto\r\n",
      header + "dewow on window=" + std::string(2000, '1') + "\r\n",
      header + "dewow on " + std::string(5000, ' ') + "\r\n",
      header + std::string("dewow on\0window=3\r\n", 19),
      header + "\x7f\x45\x4c\x46\x02\x01\x01\xff\xfe",
      tooMany,
  };
  for (const std::string& text : cases) EXPECT_FALSE(ParseChain(text).has_value()) << text.substr(0, 80);
}

TEST(ChainFile, SurvivesEveryTruncationAndByteDamageOfAGoodFile) {
  const std::string good = FormatChain(RecommendedChain()) + "average off traces=7\r\n";
  for (std::size_t length = 0; length <= good.size(); ++length) {
    EXPECT_LE(ParseChain(good.substr(0, length)).value_or(FilterChain{}).size(), 5u) << length;
  }
  for (std::size_t at = 0; at < good.size(); ++at)
    for (char damage : {'\0', '\xff', '=', ' ', '9', '\n'}) {
      std::string text = good;
      text[at] = damage;
      EXPECT_LE(ParseChain(text).value_or(FilterChain{}).size(), 6u) << at;
    }
}

TEST(ChainFile, SavesAndLoadsFilesAndLeavesNoHalfWrittenOnes) {
  testing::TempDir folder;
  const std::string path = folder.File("filters.dat");
  const FilterChain chain = {Step("agc", true, {25.0, 30.0}), Step("average", false, {5.0})};
  ASSERT_TRUE(SaveChainFile(path, chain));
  EXPECT_EQ(LoadChainFile(path), chain);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);

  EXPECT_FALSE(SaveChainFile(folder.File("missing/filters.dat"), chain));
  EXPECT_FALSE(LoadChainFile(folder.File("missing.dat")).has_value());
  // A file far larger than any chain is not read whole.
  testing::WriteFileBytes(path, "SIEVEX32 FILTERS 1\r\n" + std::string(1 << 20, '#'));
  EXPECT_FALSE(LoadChainFile(path).has_value());
}

}  // namespace
}  // namespace tarvix::sievex
