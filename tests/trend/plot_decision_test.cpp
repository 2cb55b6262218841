// Which packets become points: the skip counter, the time multiplier, the trend modes, the chart
// memory and the real-time box.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/step_failure.h"
#include "trend_rig.h"

namespace trendtest {
namespace {

TEST(PlotDecision, ContinuousPlotsEveryPacketAfterTheFirstAndWrapsAt770) {
  TrendRig rig;
  rig.Choose(TrendRig::kContinuous);
  rig.Feed("Y", 400);
  EXPECT_TRUE(rig.Stored().empty()) << "the first packet after start-up never passes";
  EXPECT_TRUE(rig.surface.Calls().empty());

  rig.Feed("Y", 410);
  rig.Feed("Y", 420);
  EXPECT_EQ(rig.Stored(), (std::vector<std::string>{"0,410,Y", "1,420,Y"}));
  EXPECT_EQ(rig.surface.LinesSinceCls(), (std::vector<std::string>{"Line 1,420-0,410 #ffff00"}));
  EXPECT_EQ(rig.state.ChartPosition, 2);
  EXPECT_EQ(rig.text3.Text(), "1");

  for (int i = 2; i < 770; ++i) rig.Feed("Y", 500);
  EXPECT_EQ(rig.state.ChartPosition, 770);
  EXPECT_EQ(rig.state.Last.LastX, 769);
  EXPECT_EQ(rig.memory.ChartIndex, 0);
  EXPECT_EQ(rig.memory.ChartCount, 770);
  EXPECT_TRUE(rig.memory.ChartWrapped);
  EXPECT_EQ(rig.Count("Cls"), 0) << "Clear On Rollover is unchecked";

  rig.surface.ClearCalls();
  rig.Feed("Y", 600);
  EXPECT_EQ(rig.memory.ChartX[0], 0) << "position 770 becomes 0 before the point is drawn";
  EXPECT_EQ(rig.memory.ChartY[0], 600);
  EXPECT_TRUE(rig.surface.LinesSinceCls().empty())
      << "the first point after the wrap draws no segment";
  EXPECT_EQ(rig.memory.ChartIndex, 1);
  EXPECT_EQ(rig.memory.ChartCount, 770) << "the count stays 770 until a save empties the memory";
}

TEST(PlotDecision, PacketSkipFourAndTimeMultiplierTenPlotOneInFiveEveryTenPositions) {
  TrendRig rig;
  rig.Choose(TrendRig::kContinuous);
  rig.scale.PacketSkip = 4;
  rig.scale.TimeMultiplier = 10;
  rig.clearOnRollover.SetChecked(true);
  for (int i = 0; i < 5; ++i) rig.Feed("Y");  // the counter's first cycle
  ASSERT_TRUE(rig.Stored().empty());

  for (int i = 0; i < 5 * 78; ++i) rig.Feed("Y");
  std::vector<std::string> stored = rig.Stored();
  ASSERT_EQ(stored.size(), 78u) << "exactly one packet in five";
  for (int i = 0; i < 77; ++i) EXPECT_EQ(rig.memory.ChartX[static_cast<std::size_t>(i)], 10 * i);
  EXPECT_EQ(rig.memory.ChartX[77], 0) << "after 760 comes 770, which the next call turns into 0";
  EXPECT_EQ(rig.surface.LinesSinceCls().size(), 76u);
  EXPECT_EQ(rig.Count("Cls"), 0)
      << "position 769 is never drawn, so the rollover clear never happens";
}

TEST(PlotDecision, ClearOnRolloverClearsAfterDrawingAt769) {
  TrendRig rig;
  rig.Choose(TrendRig::kContinuous);
  rig.clearOnRollover.SetChecked(true);
  for (int i = 0; i < 771; ++i) rig.Feed("Y");
  const auto& calls = rig.surface.Calls();
  ASSERT_EQ(rig.Count("Cls"), 1);
  auto cls = std::find(calls.begin(), calls.end(), "Cls");
  EXPECT_EQ(*(cls - 1), "Line 769,500-768,500 #ffff00");
  EXPECT_EQ(rig.state.Last.LastX, 769) << "the last point survives the clear";
}

struct ModeCase {
  const char* name;
  TrendRig::Mode mode;
  const char* zeroTime;
  std::vector<std::string> expectedPlotted;
};

class TrendModes : public ::testing::TestWithParam<ModeCase> {};

TEST_P(TrendModes, PlotOnlyThePacketsOfTheirMode) {
  const ModeCase& c = GetParam();
  TrendRig rig;
  rig.Choose(c.mode);
  rig.packet.ZeroTime = c.zeroTime;
  rig.Feed("Y");
  for (const char* status : {"Y", "Z", "F", "S", "R", "Y"}) rig.Feed(status);
  std::vector<std::string> plotted;
  for (const auto& entry : rig.Stored()) plotted.push_back(entry.substr(entry.rfind(',') + 1));
  EXPECT_EQ(plotted, c.expectedPlotted);
}

INSTANTIATE_TEST_SUITE_P(
    AllModes, TrendModes,
    ::testing::Values(
        ModeCase{"Continuous", TrendRig::kContinuous, "000", {"Y", "Z", "F", "S", "R", "Y"}},
        ModeCase{"SingleTestNoZeroTime", TrendRig::kSingleTest, "000", {"F", "S", "R"}},
        ModeCase{"SingleTestWithZeroTime", TrendRig::kSingleTest, "010", {"Z", "F", "S", "R"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlotDecision, TriggeredModeFollowsThePacketSkipToo) {
  TrendRig rig;
  rig.Choose(TrendRig::kSingleTest);
  rig.scale.PacketSkip = 1;
  // Every second packet passes the counter: the third, fifth, seventh ...
  for (const char* status : {"Y", "Y", "F", "F", "F", "S", "S", "R", "R", "Y", "Y"})
    rig.Feed(status);
  EXPECT_EQ(rig.Stored(), (std::vector<std::string>{"0,500,F", "1,500,F", "2,500,S", "3,500,R"}));
}

TEST(PlotDecision, ANonNumericZeroTimeEndsTheCallOnAZeroTimePacket) {
  TrendRig rig;
  rig.Choose(TrendRig::kSingleTest);
  rig.packet.ZeroTime = "0x0";
  rig.Feed("Y");
  rig.Feed("Y");  // only a "Z" packet needs the zero time to decide
  EXPECT_THROW(rig.Feed("Z"), core::StepFailure);
  EXPECT_TRUE(rig.Stored().empty());
  EXPECT_EQ(rig.state.PrevTestStatus, "Y") << "the rest of the packet's plotting is skipped";
}

TEST(PlotDecision, RealTimeAccumulatesTheClockBetweenPlottedPackets) {
  TrendRig rig;
  rig.Choose(TrendRig::kContinuous);
  rig.clock.SetSeconds(1000);
  rig.state.RealTimeStamp = 1000;
  rig.Feed("Y");
  rig.clock.Advance(0.25);
  rig.Feed("Y");
  EXPECT_EQ(rig.text2.Text(), "0.3");
  rig.clock.Advance(0.25);
  rig.Feed("Y");
  EXPECT_EQ(rig.text2.Text(), "0.6")
      << "the box's own text, already rounded, is added to the time since the stamp";
  EXPECT_FLOAT_EQ(rig.state.RealTimeStamp, 1000.5f);
}

TEST(PlotDecision, RealTimeKeepsCountingAcrossMidnight) {
  TrendRig rig;
  rig.Choose(TrendRig::kContinuous);
  rig.state.RealTimeStamp = 86399.5f;
  rig.text2.SetText("12.0");
  rig.clock.SetSeconds(0.25);
  rig.Feed("Y");
  rig.Feed("Y");
  EXPECT_EQ(rig.text2.Text(), "12.8");
}

}  // namespace
}  // namespace trendtest
