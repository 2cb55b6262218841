#include "app/configuration.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using Colours = std::array<std::string, 8>;

struct ReadCase {
  const char* name;
  const char* text;
  int trendMode;
  double fullScaleFlow;
  int clearCount;
  int port;
  int leakLimit;
  Colours colours;
};

class ConfigurationReading : public testing::TestWithParam<ReadCase> {};

TEST_P(ConfigurationReading, TakesThirteenValuesHoweverSpread) {
  const ReadCase& c = GetParam();
  app::Configuration config = app::Configuration::Parse(c.text);
  EXPECT_EQ(config.trendMode, c.trendMode);
  EXPECT_FLOAT_EQ(static_cast<float>(config.fullScaleFlow), static_cast<float>(c.fullScaleFlow));
  EXPECT_EQ(config.clearCount, c.clearCount);
  EXPECT_EQ(config.port, c.port);
  EXPECT_EQ(config.leakLimit, c.leakLimit);
  EXPECT_EQ(config.colours, c.colours);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ConfigurationReading,
    testing::Values(
        ReadCase{"Typical", "3,10,8,1,0\r\n14,0,8,9,10,11,12,13\r\n", 3, 10, 8, 1, 0,
                 {"14", "0", "8", "9", "10", "11", "12", "13"}},
        ReadCase{"Empty", "", 0, 0, 0, 0, 0, {}},
        ReadCase{"OneValueALine", "1\n12.5\n8.5\n2\n1\n1\n2\n3\n4\n5\n6\n7\n8\n", 1, 12.5, 8, 2, 1,
                 {"1", "2", "3", "4", "5", "6", "7", "8"}},
        ReadCase{"BlanksAndEmptyLines", " 2 , 20 ,\r\n\r\n 9.5,3 , 1\r\n 14 ,0,8,9,10,11,12,13,99,99\r\n", 2, 20, 10,
                 3, 1, {"14", "0", "8", "9", "10", "11", "12", "13"}},
        ReadCase{"UnreadableValues", "x,abc,70000,2,y\r\nabc,13.0,,1\r\n", 0, 0, 0, 2, 0,
                 {"abc", "13", "", "1", "", "", "", ""}},
        ReadCase{"Truncated", "3,25", 3, 25, 0, 0, 0, {}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST(ConfigurationWriting, TwoCrLfLinesOfShortestNumbers) {
  app::ConfigurationOut out;
  out.trendMode = 3;
  out.fullScaleFlow = 12.5;
  out.clearCount = 8;
  out.port = 1;
  out.leakLimit = 0;
  out.colours = {14, 0, 8, 9, 10, 11, 12, 13};
  EXPECT_EQ(out.Format(), "3,12.5,8,1,0\r\n14,0,8,9,10,11,12,13\r\n");
}

TEST(ConfigurationWriting, RoundTripsThroughTheReader) {
  app::ConfigurationOut out;
  out.trendMode = 1;
  out.fullScaleFlow = 9999;
  out.clearCount = 3.5;
  out.port = 2;
  out.leakLimit = 2;
  out.colours = {1, 2, 3, 4, 5, 6, 7, 15};
  app::Configuration back = app::Configuration::Parse(out.Format());
  EXPECT_EQ(back.trendMode, 1);
  EXPECT_EQ(back.fullScaleFlow, 9999);
  EXPECT_EQ(back.clearCount, 4);  // 3.5 is read as a 16-bit integer, halves to even
  EXPECT_EQ(back.port, 2);
  EXPECT_EQ(back.leakLimit, 2);
  EXPECT_EQ(back.colours[7], "15");
}

}  // namespace
