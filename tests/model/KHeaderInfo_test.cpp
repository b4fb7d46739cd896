#include "model/KHeaderInfo.h"

#include <gtest/gtest.h>

#include "support/SurveyBuilder.h"
#include "support/TempDir.h"

namespace tarvix {
namespace {

using testing::ReadFileBytes;
using testing::SurveyBuilder;
using testing::TempDir;

TEST(KHeaderInfoTest, ReadsKnownKeysAndKeepsDefaultsForTheRest) {
  TempDir dir;
  SurveyBuilder survey(dir.Path().string());
  const auto base = survey.Header("p", {"SAMPLES: 512", "SITE: North field", "samples:99", "FREQUENCY:123.0",
                                        "TIME INTERVAL:abc", "STACKS:4", "STACKS:8", "ANTENNAS:250MHz"});
  KHeaderInfo header;
  header.timeInterval = 7.5;
  ASSERT_TRUE(header.Read(base));
  EXPECT_EQ(header.headerPath, base + ".rad");
  EXPECT_EQ(header.samples, 512);
  EXPECT_EQ(header.site, " North field");  // the blank after the colon is part of a text
  EXPECT_EQ(header.timeInterval, 7.5);     // a damaged number keeps the field
  EXPECT_EQ(header.stacks, 8);             // the last of two lines wins
  EXPECT_EQ(header.lastTrace, 0);
  EXPECT_EQ(header.positiveDirection, 1);
  EXPECT_DOUBLE_EQ(header.GetAntennaFrequency(), 250.0);
}

TEST(KHeaderInfoTest, MissingFileFailsAndLongLinesAreSkipped) {
  TempDir dir;
  KHeaderInfo header;
  EXPECT_FALSE(header.Read(dir.File("absent")));

  SurveyBuilder survey(dir.Path().string());
  const auto base = survey.Header("long", {"COMMENT:" + std::string(100000, 'x'), "SAMPLES:64"});
  ASSERT_TRUE(header.Read(base));
  EXPECT_EQ(header.samples, 64);
  EXPECT_EQ(header.comment.size(), 254u - 8u);
}

TEST(KHeaderInfoTest, WriteFormatsEveryLineAndReadsBack) {
  TempDir dir;
  KHeaderInfo header;
  header.headerPath = dir.File("p.rad");
  header.samples = 512;
  header.timeInterval = 0.1;
  header.systemCalibration = 0.0001;
  header.frequencySteps = 2;
  header.distanceInterval = 0.0125;
  header.distanceFlag = 1;
  header.lastTrace = 100;
  header.startPosition = 1.0;
  header.site = "Quarry";
  header.material = "clay";
  header.gpsHeight = 1.75;
  ASSERT_TRUE(header.Write());

  const std::string text = ReadFileBytes(header.headerPath);
  EXPECT_EQ(text.substr(0, 13), "SAMPLES:512\r\n");
  EXPECT_NE(text.find("\r\nTIME INTERVAL:0.100        \r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nSYSTEM CALIBRATION:0.0001000000 \r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nFREQUENCY:5000.000     \r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nANTENNA ORIENTATION:NOT VALID FIELD\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nMATERIAL:clay\r\n"), std::string::npos);
  EXPECT_EQ(text.find("DEPTH UNITS:"), std::string::npos);  // empty texts are left out
  EXPECT_NE(text.find("STOP POSITION:2.250"), std::string::npos);  // recomputed from the distance flag

  KHeaderInfo back;
  ASSERT_TRUE(back.Read(dir.File("p")));
  EXPECT_EQ(back.samples, 512);
  EXPECT_EQ(back.site, "Quarry");
  EXPECT_EQ(back.lastTrace, 100);
  EXPECT_DOUBLE_EQ(back.distanceInterval, 0.013);  // three decimals survive
  EXPECT_DOUBLE_EQ(back.systemCalibration, 0.0001);
  EXPECT_DOUBLE_EQ(back.gpsHeight, 1.75);
}

TEST(KHeaderInfoTest, DerivedValues) {
  KHeaderInfo header;
  EXPECT_EQ(header.GetFrequency(), 0.0);
  header.frequencySteps = 1;
  EXPECT_EQ(header.GetFrequency(), 0.0);  // no sampling step: unknown, not infinite
  header.systemCalibration = 0.0005;
  header.samples = 512;
  header.rawSignalPosition = 32767 - 100;
  header.timeInterval = 0.2;
  header.distanceInterval = 0.05;
  EXPECT_DOUBLE_EQ(header.GetFrequency(), 2000.0);
  EXPECT_DOUBLE_EQ(header.GetTimeWindow(), 256.0);
  EXPECT_DOUBLE_EQ(header.GetSignalPosition(), 0.05);
  EXPECT_DOUBLE_EQ(header.GetTraceInterval(), 0.05);
  header.timeFlag = 1;
  EXPECT_DOUBLE_EQ(header.GetTraceInterval(), 0.2);

  const std::pair<int, int> exponents[] = {{0, -1}, {1, 0}, {2, 1}, {4, 2}, {5, 2}, {-3, -1}};
  for (auto [stacks, exponent] : exponents) {
    header.stacks = stacks;
    EXPECT_EQ(header.GetStackExponent(), exponent) << stacks;
  }
  header.stacks = 10;
  EXPECT_DOUBLE_EQ(header.GetStackingTime(), 5120 / 100000.0);
  header.antennas = "none";
  EXPECT_EQ(header.GetAntennaFrequency(), 0.0);
}

TEST(KHeaderInfoTest, CopyToReplacesTheFileInAnotherFolder) {
  TempDir source;
  TempDir target;
  SurveyBuilder survey(source.Path().string());
  KHeaderInfo header;
  ASSERT_TRUE(header.Read(survey.Header("p", {"SAMPLES:8"})));
  testing::WriteFileBytes(target.File("p.rad"), "old");
  ASSERT_TRUE(header.CopyTo(target.Path().string() + "/"));
  EXPECT_EQ(ReadFileBytes(target.File("p.rad")), "SAMPLES:8\r\n");
}

}  // namespace
}  // namespace tarvix
