#include <map>
#include <string>

#include "scaling_fixture.h"

namespace scaling::testing {
namespace {

struct CodeBoxes {
  std::int16_t multiplier, skip;
  std::string secPerDiv, total;  // with paper "770": divisions are "77.1" for every code
};
// The time boxes each code gives with paper length "770" and one decimal.
const std::map<std::string, CodeBoxes> kBoxesByCode{
    {"/10", {1, 9, "10.00", "771.0"}}, {"/5", {1, 4, "5.00", "385.5"}},
    {"/2", {1, 1, "2.00", "154.2"}},   {"X1", {1, 0, "1.00", "77.1"}},
    {"X2", {2, 0, "0.50", "38.6"}},    {"X5", {5, 0, "0.20", "15.4"}},
    {"X10", {10, 0, "0.10", "7.7"}}};

void StartCode(ScalingRig& rig, const std::string& caption) {
  for (const TimeIncrementCode& code : kTimeIncrementCodes) {
    if (caption == code.caption) rig.timeScale.Apply(code);
  }
}

TEST(FlowCalibration, TestStartPicksTheTimeScaleThatFitsTheTest) {
  struct Row {
    std::string timeBase, totalTime, previousCode;
    std::string code, seconds;  // the chosen code and the total time in seconds as rewritten
  };
  const Row rows[] = {
      {"2", "250", "X1", "X2", "25"},
      {"2", "255", "X1", "X2", "25.5"},
      {"1", "250", "X1", "/5", "250"},
      {"1", "60", "/10", "X1", "60"},
      {"1", "770", "X1", "/10", "770"},
      {"1", "385", "X1", "/10", "385"},
      {"1", "384", "X1", "/5", "384"},
      {"1", "155", "X1", "/5", "155"},
      {"1", "154", "X1", "/2", "154"},
      {"1", "78", "X1", "/2", "78"},
      {"1", "77", "/10", "X1", "77"},
      {"1", "39", "/10", "X1", "39"},
      {"1", "38", "X1", "X2", "38"},
      {"1", "16", "X1", "X2", "16"},
      {"1", "15", "X1", "X5", "15"},
      {"1", "10", "X1", "X5", "10"},
      {"1", "9", "X1", "X10", "9"},
      {"1", "0", "X1", "X10", "0"},
      {" 2 ", "3000", "X1", "/5", "300"},
      // No row matches: the code stays, the time boxes are still refreshed.
      {"1", "771", "X5", "X5", "771"},
      {"2", "3845", "X5", "X5", "384.5"},
      {"2", "95", "/2", "/2", "9.5"},
      {"1", "38.5", "X10", "X10", "38.5"},
      {"1", "-5", "X2", "X2", "-5"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE("time base " + row.timeBase + ", total " + row.totalTime);
    ScalingRig rig;
    StartCode(rig, row.previousCode);
    rig.graphSetup.SecPerDiv.SetText("9.99");
    rig.graphSetup.DivisionsDisplayed.SetText("");
    rig.graphSetup.TotalTimeDisplayed.SetText("");
    rig.packet.TimeBaseCode = row.timeBase;
    rig.packet.TotalTimeCount = row.totalTime;
    ASSERT_TRUE(rig.Packet("Y"));
    ASSERT_TRUE(rig.Packet("F"));
    const CodeBoxes& expected = kBoxesByCode.at(row.code);
    EXPECT_EQ(rig.packet.TotalTimeCount, row.seconds);
    EXPECT_EQ(rig.graphSetup.TimeIncrement.Caption(), row.code);
    EXPECT_EQ(rig.state.TimeMultiplier, expected.multiplier);
    EXPECT_EQ(rig.state.PacketSkip, expected.skip);
    EXPECT_EQ(rig.graphSetup.SecPerDiv.Text(), expected.secPerDiv);
    EXPECT_EQ(rig.graphSetup.DivisionsDisplayed.Text(), "77.1");
    EXPECT_EQ(rig.graphSetup.TotalTimeDisplayed.Text(), expected.total);
  }
}

TEST(FlowCalibration, OnlyReadyFollowedByZeroOrFillStartsATest) {
  struct Row {
    std::string previous, current;
    bool starts;
  };
  const Row rows[] = {{"Y", "Z", true},  {"Y", "F", true},  {"Z", "F", false}, {"Y", "Y", false},
                      {"Y", "S", false}, {"R", "F", false}, {"", "F", false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.previous + " -> " + row.current);
    ScalingRig rig;
    rig.packet.TimeBaseCode = "1";
    rig.packet.TotalTimeCount = "25";
    if (!row.previous.empty()) {
      ASSERT_TRUE(rig.Packet(row.previous));
    }
    ASSERT_TRUE(rig.Packet(row.current));
    EXPECT_EQ(rig.graphSetup.TimeIncrement.Caption(), row.starts ? "X2" : "X1");
    EXPECT_EQ(rig.state.TimeMultiplier, row.starts ? 2 : 1);
    EXPECT_EQ(rig.state.CalPrevTestStatus, row.current);
  }
}

// A read phase of the worked example: MF "10", FSC "257", flow zero 490, leak limit 5.
class ReadPhase : public ScalingTest {
 protected:
  void SetUp() override {
    setup.MaximumFlow.SetText("10");
    setup.LeakLimit.SetText("5.0");
    graphSetup.FlowScaleFact.SetText("100");
    packet.FlowScaleCount = "257";
    packet.FlowRateCount = "503";
    packet.FlowZero = "0490";
    packet.LeakLimit = "5";
    packet.ZeroSelect = "1";
    ASSERT_TRUE(Packet("S"));
  }
};

TEST_F(ReadPhase, TakesTheInstrumentScalingAndAppliesIt) {
  ASSERT_TRUE(Packet("R"));
  EXPECT_EQ(graphSetup.FlowScaleFact.Text(), "257");
  EXPECT_EQ(graphSetup.FlowZero.Text(), "0490");
  EXPECT_EQ(state.ChartMax, 1775);
  EXPECT_EQ(state.ChartMin, 233);
  EXPECT_EQ(graphSetup.HistMaxValue.Text(), "1775");
  EXPECT_EQ(graphSetup.HistMinValue.Text(), "233");
  EXPECT_EQ(serialForm.LeakLimitCountCalculation.Text(), "1132");
  EXPECT_EQ(serialForm.MaximumFlowSetUp.Text(), "10");
  EXPECT_EQ(serialForm.LeakLimitSetUp.Text(), "5.0");
  // The chart scale is applied once, after the scaling boxes were filled.
  EXPECT_EQ(chartScaleMaxima, std::vector<std::string>{"1775"});
  // The manual calibration ran.
  EXPECT_EQ(serialForm.Hist1Max.Text(), "1775");
  EXPECT_EQ(serialForm.Text8.Text(), "233");
  EXPECT_EQ(serialForm.FlowZero_Leak.Text(), "490");
  EXPECT_EQ(state.CalPrevTestStatus, "R");
  EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(ReadPhase, ZeroSelectionPicksTheFlowZero) {
  struct Row {
    std::string zeroSelect, flowZero;
  };
  const Row rows[] = {{"2", "503"}, {"1", "0490"}, {"0", "490"}, {"3", "490"}, {" 2", "503"}};
  for (const Row& row : rows) {
    SCOPED_TRACE("zero select \"" + row.zeroSelect + "\"");
    graphSetup.FlowZero.SetText("490");
    packet.ZeroSelect = row.zeroSelect;
    ASSERT_TRUE(Packet("S"));
    ASSERT_TRUE(Packet("R"));
    EXPECT_EQ(graphSetup.FlowZero.Text(), row.flowZero);
  }
}

TEST_F(ReadPhase, RunsOnlyOnStabilisationFollowedByRead) {
  ASSERT_TRUE(Packet("R"));
  ASSERT_EQ(chartScaleMaxima.size(), 1u);
  ASSERT_TRUE(Packet("R"));
  ASSERT_TRUE(Packet("Y"));
  ASSERT_TRUE(Packet("R"));
  EXPECT_EQ(chartScaleMaxima.size(), 1u);
}

TEST_F(ScalingTest, FirstPacketInTheReadPhaseIsNoTransition) {
  packet.FlowScaleCount = "257";
  packet.ZeroSelect = "2";
  packet.FlowRateCount = "503";
  ASSERT_TRUE(Packet("R"));
  EXPECT_EQ(graphSetup.FlowZero.Text(), "490");
  EXPECT_EQ(graphSetup.FlowScaleFact.Text(), "257");
  EXPECT_TRUE(chartScaleMaxima.empty());
}

TEST_F(ReadPhase, SameFlowScaleCountKeepsTheLimitsAndTheClampMessageShowsOnce) {
  setup.MaximumFlow.SetText("100");
  packet.FlowScaleCount = "700";
  ASSERT_FALSE(Packet("R"));  // the manual calibration fails at 16 bits
  EXPECT_EQ(state.ChartMax, 32767);
  EXPECT_EQ(state.ChartMin, 0);
  EXPECT_EQ(chartScaleMaxima, std::vector<std::string>{"32767"});
  EXPECT_EQ(state.CalPrevTestStatus, "S");
  EXPECT_EQ(dialogs.Messages(),
            std::vector<std::string>{"At maximum Y value. Y Axis Scaling Will Be Inaccurate"});

  // The next read phase with the same count does not recompute, even with a new zero.
  setup.MaximumFlow.SetText("10");
  packet.ZeroSelect = "2";
  ASSERT_TRUE(Packet("S"));
  ASSERT_TRUE(Packet("R"));
  EXPECT_EQ(graphSetup.FlowZero.Text(), "503");
  EXPECT_EQ(state.ChartMax, 32767);
  EXPECT_EQ(dialogs.Messages().size(), 1u);
}

TEST_F(ReadPhase, FailuresSkipTheRestAndKeepThePreviousStatus) {
  struct Row {
    std::string name;
    std::string zeroSelect, flowZero, leakLimit, maximumFlow;
    bool scalingUpdated;  // whether the failure came after UpdateScaling
  };
  const Row rows[] = {
      {"zero selection not a number", "", "0490", "5", "10", false},
      {"blank packet flow zero", "1", "    ", "5", "10", true},
      {"empty packet leak limit", "1", "0490", "", "10", true},
      {"full scale flow 0", "1", "0490", "5", "0", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ScalingRig rig;
    rig.serialForm.LeakLimitCountCalculation.SetText("old");
    rig.serialForm.Hist1Max.SetText("old");
    rig.setup.MaximumFlow.SetText(row.maximumFlow);
    rig.packet.FlowScaleCount = "257";
    rig.packet.ZeroSelect = row.zeroSelect;
    rig.packet.FlowZero = row.flowZero;
    rig.packet.LeakLimit = row.leakLimit;
    ASSERT_TRUE(rig.Packet("S"));
    const std::string footer = rig.plotFooter.Text();
    EXPECT_FALSE(rig.Packet("R"));
    EXPECT_EQ(rig.state.CalPrevTestStatus, "S");
    EXPECT_EQ(rig.graphSetup.FlowScaleFact.Text(), "257");  // the step before the failure
    EXPECT_EQ(rig.state.LastFlowScaleCount.has_value(), row.scalingUpdated);
    EXPECT_EQ(rig.serialForm.LeakLimitCountCalculation.Text(), "old");
    EXPECT_TRUE(rig.chartScaleMaxima.empty());
    EXPECT_EQ(rig.serialForm.Hist1Max.Text(), "old");
    EXPECT_EQ(rig.plotFooter.Text(), footer);
  }
}

TEST_F(ScalingTest, TestStartFailureKeepsTheCodeAndThePreviousStatus) {
  packet.TimeBaseCode = "";
  packet.TotalTimeCount = "25";
  ASSERT_TRUE(Packet("Y"));
  const std::string footer = plotFooter.Text();
  EXPECT_FALSE(Packet("F"));
  EXPECT_EQ(graphSetup.TimeIncrement.Caption(), "X1");
  EXPECT_EQ(state.CalPrevTestStatus, "Y");
  EXPECT_EQ(plotFooter.Text(), footer);
  // The next packet still follows "Y", so it is a test start once the code is readable.
  packet.TimeBaseCode = "1";
  ASSERT_TRUE(Packet("F"));
  EXPECT_EQ(graphSetup.TimeIncrement.Caption(), "X2");
}

TEST_F(ScalingTest, EveryPacketRewritesTheFooter) {
  for (const char* status : {"Y", "Y", "S", "R"}) {
    SCOPED_TRACE(status);
    const std::string expected = "Footer " + clock.LongTime();
    packet.FlowScaleCount = "257";
    packet.ZeroSelect = "0";
    packet.FlowZero = "0490";
    packet.LeakLimit = "5";
    ASSERT_TRUE(Packet(status));
    EXPECT_EQ(plotFooter.Text(), expected);
  }
}

}  // namespace
}  // namespace scaling::testing
