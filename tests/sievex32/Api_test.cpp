// The exported functions, through the shared library as the program calls them.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "sievex32.h"
#include "support/TempDir.h"

namespace {

using List = std::unique_ptr<SievexList, decltype(&FilterListDestroy)>;

List NewList() { return List(FilterListCreate(), &FilterListDestroy); }

SievexDataDescription Block(int samples, int traces) {
  SievexDataDescription data{};
  data.samplesPerTrace = samples;
  data.traceCount = traces;
  data.samplingFrequency = 1000.0;
  data.antennaFrequency = 100.0;
  data.antennaSeparation = 0.5;
  data.traceInterval = 0.05;
  return data;
}

// Loads the chain from a file of the given lines.
bool LoadLines(SievexList* list, const std::string& lines) {
  tarvix::testing::TempDir folder;
  const std::string path = folder.File("filters.dat");
  tarvix::testing::WriteFileBytes(path, "SIEVEX32 FILTERS 1\r\n" + lines);
  return FilterListLoad(list, path.c_str()) != 0;
}

TEST(DataDescription, HasTheAgreedBytes) {
  SievexDataDescription data{};
  data.samplesPerTrace = 512;
  data.traceCount = -2;
  data.samplingFrequency = 400.0;
  data.antennaFrequency = 0.5;
  data.antennaSeparation = -1.0;
  data.traceInterval = 2.0;
  data.timeFlag = 1;
  unsigned char bytes[48];
  static_assert(sizeof bytes == sizeof data);
  std::memcpy(bytes, &data, sizeof bytes);
  const unsigned char expected[48] = {
      0x00, 0x02, 0x00, 0x00, 0xfe, 0xff, 0xff, 0xff,  // 512, -2
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x79, 0x40,  // 400.0
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xe0, 0x3f,  // 0.5
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xf0, 0xbf,  // -1.0
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x40,  // 2.0
      0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // 1, padding
  };
  EXPECT_EQ(std::memcmp(bytes, expected, sizeof bytes), 0);
}

template <typename Sample>
void ExpectCopiedUnchanged(SievexList* list,
                           int (*apply)(SievexList*, const Sample*, Sample*, SievexDataDescription*)) {
  const std::vector<Sample> source = {std::numeric_limits<Sample>::min(), -1, 0, 1, 7,
                                      std::numeric_limits<Sample>::max()};
  std::vector<Sample> destination(source.size() + 1, 99);
  SievexDataDescription data = Block(3, 2);
  EXPECT_EQ(apply(list, source.data(), destination.data(), &data), 1);
  EXPECT_EQ(std::vector<Sample>(destination.begin(), destination.begin() + 6), source);
  EXPECT_EQ(destination[6], 99) << "wrote past the block";
}

TEST(Apply, CopiesTheBlockWhenNoFilterIsEnabled) {
  for (const char* lines : {"", "dewow off\r\nagc off\r\n"}) {
    List list = NewList();
    ASSERT_TRUE(LoadLines(list.get(), lines));
    ExpectCopiedUnchanged<int16_t>(list.get(), &FilterListApply);
    ExpectCopiedUnchanged<int32_t>(list.get(), &FilterListApply32);
  }
}

TEST(Apply, FiltersEveryTraceOfTheBlockAndNothingBeyond) {
  List list = NewList();
  ASSERT_TRUE(LoadLines(list.get(), "dcremoval on\r\n"));
  const std::vector<int16_t> source = {10, 20, 30, -5, -5, -5, 1, 2, 6};
  const std::vector<int16_t> original = source;
  std::vector<int16_t> destination(source.size() + 3, 99);
  SievexDataDescription data = Block(3, 3);
  EXPECT_EQ(FilterListApply(list.get(), source.data(), destination.data(), &data), 1);
  EXPECT_EQ(destination, (std::vector<int16_t>{-10, 0, 10, 0, 0, 0, -2, -1, 3, 99, 99, 99}));
  EXPECT_EQ(source, original);

  // The program may filter in place.
  std::vector<int16_t> inPlace = original;
  EXPECT_EQ(FilterListApply(list.get(), inPlace.data(), inPlace.data(), &data), 1);
  EXPECT_EQ(inPlace, std::vector<int16_t>(destination.begin(), destination.begin() + 9));
}

TEST(Apply, SaturatesAtTheSampleTypesRangeInsteadOfWrapping) {
  List list = NewList();
  // 100 dB/ns at 1 ns a sample: the second sample grows a hundred thousandfold.
  ASSERT_TRUE(LoadLines(list.get(), "expgain on rate=100\r\n"));
  SievexDataDescription data = Block(2, 2);
  const std::vector<int16_t> source16 = {1000, 1000, -1000, -1000};
  std::vector<int16_t> out16(4);
  EXPECT_EQ(FilterListApply(list.get(), source16.data(), out16.data(), &data), 1);
  EXPECT_EQ(out16, (std::vector<int16_t>{1000, 32767, -1000, -32768}));
  const std::vector<int32_t> source32 = {100000, 100000, -100000, -100000};
  std::vector<int32_t> out32(4);
  EXPECT_EQ(FilterListApply32(list.get(), source32.data(), out32.data(), &data), 1);
  EXPECT_EQ(out32, (std::vector<int32_t>{100000, std::numeric_limits<int32_t>::max(), -100000,
                                         std::numeric_limits<int32_t>::min()}));
}

TEST(Apply, RefusesUnusableArguments) {
  List list = NewList();
  ASSERT_TRUE(LoadLines(list.get(), "dcremoval on\r\n"));
  int16_t source[4] = {1, 2, 3, 4};
  int16_t destination[4] = {9, 9, 9, 9};
  SievexDataDescription good = Block(2, 2);
  SievexDataDescription negative = Block(-2, 2);
  SievexDataDescription noTraces = Block(2, -1);
  EXPECT_EQ(FilterListApply(nullptr, source, destination, &good), 0);
  EXPECT_EQ(FilterListApply(list.get(), nullptr, destination, &good), 0);
  EXPECT_EQ(FilterListApply(list.get(), source, nullptr, &good), 0);
  EXPECT_EQ(FilterListApply(list.get(), source, destination, nullptr), 0);
  EXPECT_EQ(FilterListApply(list.get(), source, destination, &negative), 0);
  EXPECT_EQ(FilterListApply(list.get(), source, destination, &noTraces), 0);
  EXPECT_EQ(std::vector<int16_t>(destination, destination + 4), (std::vector<int16_t>{9, 9, 9, 9}));
}

TEST(List, LoadReplacesTheChainAndAFailedLoadKeepsIt) {
  List list = NewList();
  EXPECT_EQ(FilterListGetSize(list.get()), 0);
  ASSERT_TRUE(LoadLines(list.get(), "dewow on window=3.5\r\nbandpass off order=2\r\n"));
  EXPECT_EQ(FilterListGetSize(list.get()), 2);
  EXPECT_FALSE(LoadLines(list.get(), "dewow on\r\nsharpen on\r\n"));
  EXPECT_EQ(FilterListLoad(list.get(), "/no/such/folder/filters.dat"), 0);
  EXPECT_EQ(FilterListLoad(list.get(), nullptr), 0);
  ASSERT_EQ(FilterListGetSize(list.get()), 2);

  std::unique_ptr<SievexFilterInfo, decltype(&FilterInfoDestroy)> info(FilterInfoCreate(),
                                                                       &FilterInfoDestroy);
  ASSERT_EQ(FilterListGetFilter(list.get(), info.get(), 0), 1);
  EXPECT_STREQ(info->name, "dewow");
  EXPECT_EQ(info->enabled, 1);
  EXPECT_STREQ(info->parameters, "window=3.5 ns");
  ASSERT_EQ(FilterListGetFilter(list.get(), info.get(), 1), 1);
  EXPECT_STREQ(info->name, "bandpass");
  EXPECT_STREQ(info->title, "Band-pass (zero-phase Butterworth)");
  EXPECT_EQ(info->enabled, 0);
  EXPECT_STREQ(info->parameters, "low=auto MHz high=auto MHz order=2");
  for (int index : {-1, 2, 1000}) EXPECT_EQ(FilterListGetFilter(list.get(), info.get(), index), 0) << index;
  EXPECT_EQ(FilterListGetFilter(list.get(), nullptr, 0), 0);
  EXPECT_EQ(FilterListGetFilter(nullptr, info.get(), 0), 0);
}

TEST(List, SaveWritesWhatLoadReads) {
  tarvix::testing::TempDir folder;
  const std::string path = folder.File("filters.dat");
  List list = NewList();
  ASSERT_TRUE(LoadLines(list.get(), "agc on window=30 maxgain=20\r\nenvelope off\r\n"));
  EXPECT_EQ(FilterListSave(list.get(), path.c_str()), 1);
  EXPECT_EQ(tarvix::testing::ReadFileBytes(path),
            "SIEVEX32 FILTERS 1\r\nagc on window=30 maxgain=20\r\nenvelope off\r\n");
  List other = NewList();
  EXPECT_EQ(FilterListLoad(other.get(), path.c_str()), 1);
  EXPECT_EQ(FilterListGetSize(other.get()), 2);
  EXPECT_EQ(FilterListSave(list.get(), folder.File("missing/filters.dat").c_str()), 0);
  EXPECT_EQ(FilterListSave(nullptr, path.c_str()), 0);
  EXPECT_EQ(FilterListSave(list.get(), ""), 0);
}

TEST(Edit, WithoutAQApplicationShowsNothingAndKeepsTheList) {
  List list = NewList();
  ASSERT_TRUE(LoadLines(list.get(), "dewow on\r\n"));
  const std::vector<int16_t> traces16(64 * 3, 5);
  const std::vector<int32_t> traces32(64 * 3, 5);
  SievexDataDescription data = Block(64, 3);
  EXPECT_EQ(FilterListEdit(list.get(), nullptr, traces16.data(), &data), 0);
  EXPECT_EQ(FilterListEdit32(list.get(), nullptr, traces32.data(), &data), 0);
  EXPECT_EQ(FilterListEdit(nullptr, nullptr, traces16.data(), &data), 0);
  EXPECT_EQ(FilterListGetSize(list.get()), 1);
}

}  // namespace
