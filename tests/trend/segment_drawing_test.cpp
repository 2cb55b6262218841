// The segments on the chart: the automatic restart, the compensated trace, the leak-limit line,
// the colours of a plot and Clear Screen.
#include <gtest/gtest.h>

#include <optional>

#include "core/step_failure.h"
#include "trend_rig.h"

namespace trendtest {
namespace {

const std::string kGray = "#808080";       // code 8, ColourSelect(2)
const std::string kLightBlue = "#0000ff";  // code 9, ColourSelect(3)

TEST(AutomaticRetriggering, SavesEachTestAndRestartsTheChartWithTheNextColour) {
  TrendRig rig;  // automatic retriggering is checked at start-up
  rig.StartPlotting();
  ASSERT_EQ(rig.state.PlotIndex, 1);
  rig.Feed("Y");
  rig.Feed("Y", 300);
  EXPECT_TRUE(rig.Stored().empty()) << "ready packets are not in a test";

  rig.clock.Advance(5);
  rig.Feed("F", 450);
  EXPECT_EQ(rig.hooks, (std::vector<std::string>{"resetChartPosition", "stopAcquisition",
                                                 "resetTime", "startStop"}));
  EXPECT_EQ(rig.surface.LinesSinceCls(),
            (std::vector<std::string>{"Line 0,0-0,0 #000000", "Line 0,0-0,0 #000000"}))
      << "a dot at the origin when the point is drawn and once more before the restart";
  EXPECT_EQ(rig.memory.ChartX[0], 0);
  EXPECT_EQ(rig.memory.ChartY[0], 0)
      << "the restart sets the point's value to 0 before it is stored";
  EXPECT_EQ(rig.state.ChartPosition, 0);
  EXPECT_EQ(rig.text3.Text(), "0");
  EXPECT_EQ(rig.text2.Text(), "0");
  EXPECT_EQ(rig.memory.ChartIndex, 0);
  EXPECT_EQ(rig.state.PlotIndex, 2);
  EXPECT_EQ(rig.penColour.plotnumbertext.Text(), "1");
  EXPECT_EQ(rig.state.PrevTestStatus, "F");

  rig.hooks.clear();
  rig.surface.ClearCalls();
  for (const char* status : {"F", "S", "R"}) rig.Feed(status);
  EXPECT_EQ(rig.surface.LinesSinceCls(),
            (std::vector<std::string>{"Line 1,500-0,500 " + kGray, "Line 2,500-1,500 " + kGray}));
  EXPECT_TRUE(rig.hooks.empty());

  rig.Feed("Y");
  EXPECT_EQ(rig.hooks, (std::vector<std::string>{"save"})) << "the end of the test";
  rig.hooks.clear();
  rig.Feed("Y");
  EXPECT_TRUE(rig.hooks.empty());
  rig.surface.ClearCalls();
  rig.Feed("F");
  EXPECT_EQ(rig.hooks, (std::vector<std::string>{"resetChartPosition", "stopAcquisition",
                                                 "resetTime", "startStop"}));
  EXPECT_EQ(rig.surface.Calls(),
            (std::vector<std::string>{"ForeColor " + kGray, "Line 0,0-0,0 " + kGray,
                                      "ForeColor " + kGray, "Line 0,0-0,0 " + kGray}))
      << "a dot, not a line back to the last point of the finished plot, in that plot's colour";
  EXPECT_EQ(rig.state.PlotIndex, 3);
}

TEST(AutomaticRetriggering, WithAZeroTimeTheTestStartsAtZAndTheDotIncludesTheCompensatedTrace) {
  TrendRig rig;
  rig.packet.ZeroTime = "010";
  rig.state.PlotIndex = 2;
  rig.Feed("Y");
  rig.Feed("Y");
  rig.Feed("Z");
  EXPECT_EQ(rig.surface.LinesSinceCls(),
            (std::vector<std::string>{"Line 0,0-0,0 " + kGray, "Line 0,0-0,0 " + kLightBlue,
                                      "Line 0,0-0,0 " + kGray, "Line 0,0-0,0 " + kLightBlue}));
  EXPECT_EQ(rig.hooks.back(), "startStop");
}

TEST(AutomaticRetriggering, SingleTestModeNeitherSavesNorRestarts) {
  TrendRig rig;
  rig.Choose(TrendRig::kSingleTest);
  for (const char* status : {"Y", "Y", "F", "S", "R", "Y", "F"}) rig.Feed(status);
  EXPECT_TRUE(rig.hooks.empty());
  EXPECT_EQ(rig.Stored().back(), "3,500,F") << "the next test goes on where the last one ended";
}

// Continuous mode through a test with a zero time: flow 500 at the start and 480 at the end of
// the zero time, both plotted.
void RunTestWithZeroTime(TrendRig& rig, const char* zeroTime) {
  rig.Choose(TrendRig::kContinuous);
  rig.state.PlotIndex = 2;
  rig.packet.ZeroTime = zeroTime;
  rig.Feed("Y");
  rig.Feed("Y");
  rig.packet.FlowRateCount = "0500";
  rig.Feed("Z");
  rig.packet.FlowRateCount = "0490";
  rig.Feed("Z");
  rig.packet.FlowRateCount = "0480";
  rig.Feed("F");
  rig.Feed("S");
  rig.Feed("R", 700);
  rig.Feed("R", 710);
}

TEST(TemperatureCompensation, TheReadPhaseTraceIsDrawnTheOffsetAboveInTheNextColour) {
  TrendRig rig;
  RunTestWithZeroTime(rig, "010");
  EXPECT_EQ(rig.state.LiveTempCompOffset, 10);
  EXPECT_EQ(rig.state.TempCompOffset, 10);
  EXPECT_EQ(rig.serialForm.InitialZeroCount.Text(), "500");
  EXPECT_EQ(rig.serialForm.FinalZeroCount.Text(), "480");
  EXPECT_EQ(rig.serialForm.TemperatureFactor.Text(), "0.5");
  EXPECT_EQ(rig.serialForm.Temperature.Text(), "10");
  EXPECT_EQ(rig.LinesIn(kLightBlue), (std::vector<std::string>{"Line 5,710-4,510 " + kLightBlue,
                                                               "Line 6,720-5,710 " + kLightBlue}));
  EXPECT_EQ(rig.LinesIn(kGray).back(), "Line 6,710-5,700 " + kGray);
  EXPECT_EQ(rig.memory.ChartY[6], 710) << "the memory keeps the value without the offset";
}

TEST(TemperatureCompensation, NoZeroTimeMeansNoOffsetAndNoSecondTrace) {
  TrendRig rig;
  rig.state.LiveTempCompOffset = 10;  // left by an earlier test
  RunTestWithZeroTime(rig, "000");
  EXPECT_EQ(rig.state.LiveTempCompOffset, 0);
  EXPECT_EQ(rig.state.TempCompOffset, 0);
  EXPECT_EQ(rig.serialForm.InitialZeroCount.Text(), "");
  EXPECT_TRUE(rig.LinesIn(kLightBlue).empty());
}

TEST(TemperatureCompensation, APassedOverTransitionIsNotSeen) {
  TrendRig rig;
  rig.scale.PacketSkip = 2;  // both zero-time transitions fall between plotted packets
  RunTestWithZeroTime(rig, "010");
  EXPECT_EQ(rig.serialForm.FinalZeroCount.Text(), "");
  EXPECT_EQ(rig.state.LiveTempCompOffset, 0);
}

TEST(TemperatureCompensation, AStoredFileOffsetGivesWayToTheLiveOneAtTheNextLivePacket) {
  TrendRig rig;
  RunTestWithZeroTime(rig, "010");
  rig.state.GraphingStoredFile = true;
  rig.state.StoredTempCompOffset = 25;
  std::int16_t x = 100, y = 600;
  rig.plotter->DrawChartSegment(x, y, 2);
  EXPECT_EQ(rig.state.TempCompOffset, 25);
  EXPECT_EQ(rig.serialForm.Temperature.Text(), "10") << "graphing does not write the live box";

  rig.state.GraphingStoredFile = false;
  rig.Feed("R");
  EXPECT_EQ(rig.state.TempCompOffset, 10);
}

struct FailureCase {
  const char* name;
  void (*arrange)(TrendRig&);
  const char* status = "R";
};

class SegmentFailures : public ::testing::TestWithParam<FailureCase> {};

// The second plotted packet draws the first segment; a failing step there ends the call before
// the point is stored or the position advances.
TEST_P(SegmentFailures, EndTheCallBeforeThePointIsStored) {
  TrendRig rig;
  rig.Choose(TrendRig::kContinuous);
  rig.packet.ZeroTime = "010";
  rig.Feed("R");
  rig.Feed("R");
  GetParam().arrange(rig);
  EXPECT_THROW(rig.Feed(GetParam().status, 32760), core::StepFailure);
  EXPECT_EQ(rig.Stored().size(), 1u);
  EXPECT_EQ(rig.state.ChartPosition, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SegmentFailures,
    ::testing::Values(FailureCase{"ColourCodeOutOfRange",
                                  [](TrendRig& r) { r.penColour.ColourSelect[0]->SetText("16"); }},
                      FailureCase{"CompensatedValueOverflows",
                                  [](TrendRig& r) { r.state.LiveTempCompOffset = 10; }},
                      FailureCase{"FlowRateNotANumber",
                                  [](TrendRig& r) {
                                    r.state.PrevTestStatus = "Y";
                                    r.packet.FlowRateCount = "05O0";
                                  },
                                  "Z"},
                      FailureCase{"FullScaleFlowZeroWithTheLeakLimit",
                                  [](TrendRig& r) {
                                    r.graphSetup.LeakLimitCheckBox.SetValue(1);
                                    r.setup.MaximumFlow.SetText("0");
                                  }}),
    [](const auto& info) { return std::string(info.param.name); });

struct LeakLimitCase {
  const char* leakLimit;
  const char* maximumFlow;
  std::int16_t top, bottom;
  const char* expectedLine;
};

class LeakLimitLine : public ::testing::TestWithParam<LeakLimitCase> {};

TEST_P(LeakLimitLine, IsDrawnAcrossTheChartAtTheLimitsShareOfFullScale) {
  const LeakLimitCase& c = GetParam();
  TrendRig rig;
  rig.Choose(TrendRig::kContinuous);
  rig.graphSetup.LeakLimitCheckBox.SetValue(1);
  rig.setup.LeakLimit.SetText(c.leakLimit);
  rig.setup.MaximumFlow.SetText(c.maximumFlow);
  rig.frame.ChartYTop = c.top;
  rig.frame.ChartYBottom = c.bottom;
  for (int i = 0; i < 4; ++i) rig.Feed("Y");
  std::vector<std::string> expected(2, std::string(c.expectedLine) + " " + kGray);
  EXPECT_EQ(rig.LinesIn(kGray), expected)
      << "redrawn with every segment, in the colour of the plot + 2";
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LeakLimitLine,
    ::testing::Values(LeakLimitCase{"10.0", "10", 1775, 233, "Line 0,1775-770,1775"},
                      LeakLimitCase{"5", "10", 1775, 233, "Line 0,1132.5-770,1132.5"},
                      LeakLimitCase{"0", "10", 1775, 233, "Line 0,490-770,490"},
                      LeakLimitCase{"2", "10", 4095, 0, "Line 0,1365-770,1365"}));

TEST(SegmentColours, ATraceItsCompensatedTraceAndItsLeakLimitUseThreeSuccessiveBoxes) {
  TrendRig rig;
  rig.Choose(TrendRig::kContinuous);
  rig.graphSetup.LeakLimitCheckBox.SetValue(1);
  rig.penColour.ColourSelect[2]->SetText("12");
  rig.state.PlotIndex = 2;
  rig.packet.ZeroTime = "010";
  rig.Feed("R");
  rig.Feed("R");
  rig.surface.ClearCalls();
  rig.Feed("R");
  EXPECT_EQ(rig.surface.Calls(),
            (std::vector<std::string>{"ForeColor #ff0000", "Line 1,500-0,500 #ff0000",
                                      "ForeColor #0000ff", "Line 1,500-0,500 #0000ff",
                                      "ForeColor #00ff00", "Line 0,1775-770,1775 #00ff00"}));
}

TEST(ClearScreen, KeepsTheLastPointSoTheNextSegmentStartsFromIt) {
  TrendRig rig;
  rig.Choose(TrendRig::kContinuous);
  rig.Feed("Y");
  rig.Feed("Y", 400);
  rig.Feed("Y", 450);
  rig.controls->Command4_Click();
  EXPECT_TRUE(rig.surface.LinesSinceCls().empty());
  rig.Feed("Y", 480);
  EXPECT_EQ(rig.surface.LinesSinceCls(), (std::vector<std::string>{"Line 2,480-1,450 #ffff00"}));
  EXPECT_EQ(rig.Stored().size(), 3u);
}

}  // namespace
}  // namespace trendtest
