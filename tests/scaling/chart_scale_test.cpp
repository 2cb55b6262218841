#include <string>

#include "core/step_failure.h"
#include "scaling_fixture.h"

namespace scaling::testing {
namespace {

constexpr const char* kCeilingMessage = "At maximum Y value. Y Axis Scaling Will Be Inaccurate";

struct LimitsRow {
  std::string name;
  std::string maximumFlow, flowScale, flowZero;
  int zeroShift;
  std::int32_t tempComp;
  std::int32_t maxRaw, bias;
  std::int16_t chartMax, chartMin;
  bool ceilingMessage;
};

TEST(ChartScale, LimitsFromFullScaleCountAndBias) {
  const LimitsRow rows[] = {
      {"worked example", "10", "257", "490", 0, 0, 1775, 0, 1775, 233, false},
      {"negative minimum becomes bias", "10", "257", "100", 0, 0, 1385, 157, 1542, 0, false},
      {"zero shift leaves the zero out", "10", "257", "490", 1, 0, 1285, 0, 1285, 331, false},
      {"greyed zero shift gives no count", "10", "257", "490", 2, 0, 0, 0, 0, 588, false},
      // Zero shift with a bias: the minimum test uses a, the minimum itself the biased top.
      {"zero shift with bias", "10", "500", "490", 1, 0, 2500, 10, 2510, 86, false},
      {"minimum test passes, biased minimum below 0", "10", "118", "100", 1, 0, 590, 18, 608, -2,
       false},
      {"temperature compensation", "10", "257", "490", 0, 100, 1875, 0, 1875, 213, false},
      {"lenient texts", "10.0", "257 counts", "490x", 0, 0, 1775, 0, 1775, 233, false},
      // a = 35490, b = 6510: clamped, and the minimum test uses a, not the clamped top.
      {"clamped at 32767", "100", "700", "490", 0, 0, 35490, 6510, 32767, 0, true},
  };
  for (const LimitsRow& row : rows) {
    SCOPED_TRACE(row.name);
    ScalingRig rig;
    rig.Scaling(row.maximumFlow, row.flowScale, row.flowZero);
    rig.setup.ZeroShift.SetValue(row.zeroShift);
    rig.tempCompOffset = row.tempComp;
    EXPECT_EQ(rig.chartScale.CalcMaxRawFlowCount(), row.maxRaw);
    EXPECT_EQ(rig.chartScale.CalcChartBias(), row.bias);
    rig.chartScale.CalcChartLimits();
    EXPECT_EQ(rig.state.ChartMax, row.chartMax);
    EXPECT_EQ(rig.state.ChartMin, row.chartMin);
    if (row.ceilingMessage) {
      EXPECT_EQ(rig.dialogs.Messages(), std::vector<std::string>{kCeilingMessage});
    } else {
      EXPECT_TRUE(rig.dialogs.Messages().empty());
    }
  }
}

TEST(ChartScale, FailingLimitsKeepBothPreviousValues) {
  struct Row {
    std::string name, maximumFlow, flowScale, flowZero;
  };
  const Row rows[] = {
      {"full-scale count beyond 32 bits", "1e9", "257", "490"},
      {"top below the 16-bit range", "-100", "700", "490"},
      // The top clamps to 32767, then the minimum 100000 - (32767 - 100000) x 0.2 overflows.
      {"minimum beyond 16 bits", "0", "257", "100000"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ScalingRig rig;
    rig.state.ChartMax = 1000;
    rig.state.ChartMin = 200;
    rig.Scaling(row.maximumFlow, row.flowScale, row.flowZero);
    EXPECT_THROW(rig.chartScale.CalcChartLimits(), core::StepFailure);
    EXPECT_EQ(rig.state.ChartMax, 1000);
    EXPECT_EQ(rig.state.ChartMin, 200);
  }
}

TEST_F(ScalingTest, UpdateScalingFillsTheScalingBoxes) {
  packet.FlowScaleCount = "257";
  chartScale.UpdateScaling();
  EXPECT_EQ(state.ChartMax, 1775);
  EXPECT_EQ(graphSetup.HistMaxValue.Text(), "1775");
  EXPECT_EQ(graphSetup.HistMinValue.Text(), "233");
  EXPECT_EQ(graphSetup.FlowZeroYaxisValue.Text(), "490");
  EXPECT_EQ(serialForm.UncompensatedMaximumRawFlowCount.Text(), "1775");
  EXPECT_EQ(serialForm.CompensatedMaximumRawFlowCount.Text(), "1775");
  EXPECT_EQ(graphSetup.SecPerDiv.Text(), "1.00");
  EXPECT_EQ(graphSetup.DivisionsDisplayed.Text(), "77.1");
  EXPECT_EQ(graphSetup.TotalTimeDisplayed.Text(), "77.1");
  EXPECT_EQ(state.LastFlowScaleCount, "257");
}

TEST_F(ScalingTest, UpdateScalingWithBiasLiftsTheZeroLine) {
  Scaling("10", "257", "100");
  packet.FlowScaleCount = "257";
  chartScale.UpdateScaling();
  EXPECT_EQ(graphSetup.HistMaxValue.Text(), "1542");
  EXPECT_EQ(graphSetup.HistMinValue.Text(), "0");
  EXPECT_EQ(graphSetup.FlowZeroYaxisValue.Text(), "257");
  EXPECT_EQ(serialForm.UncompensatedMaximumRawFlowCount.Text(), "1385");
}

TEST_F(ScalingTest, UpdateScalingRawFlowBoxesAreNotRounded) {
  Scaling("10", "257.5", "490");
  tempCompOffset = 12;
  packet.FlowScaleCount = "257.5";
  chartScale.UpdateScaling();
  EXPECT_EQ(serialForm.UncompensatedMaximumRawFlowCount.Text(), "1777.5");
  EXPECT_EQ(serialForm.CompensatedMaximumRawFlowCount.Text(), "1789.5");
  EXPECT_EQ(graphSetup.HistMaxValue.Text(), "1790");  // 1789.5 rounds to even
}

TEST_F(ScalingTest, UpdateScalingRecomputesOnlyWhenTheFlowScaleCountChanges) {
  packet.FlowScaleCount = "257";
  chartScale.UpdateScaling();
  ASSERT_EQ(state.ChartMax, 1775);

  // Same count, new flow zero: the limits stay, the other boxes follow the new zero.
  graphSetup.FlowZero.SetText("100");
  chartScale.UpdateScaling();
  EXPECT_EQ(state.ChartMax, 1775);
  EXPECT_EQ(graphSetup.HistMaxValue.Text(), "1775");
  EXPECT_EQ(graphSetup.FlowZeroYaxisValue.Text(), "257");
  EXPECT_EQ(serialForm.UncompensatedMaximumRawFlowCount.Text(), "1385");

  packet.FlowScaleCount = "257.0";  // compared as text
  chartScale.UpdateScaling();
  EXPECT_EQ(state.ChartMax, 1542);
  EXPECT_EQ(state.ChartMin, 0);
}

TEST_F(ScalingTest, UpdateScalingWithAnEmptyFirstCountDoesNotRecompute) {
  packet.FlowScaleCount = "";
  chartScale.UpdateScaling();
  EXPECT_EQ(state.ChartMax, 0);
  EXPECT_EQ(graphSetup.HistMaxValue.Text(), "0");
  EXPECT_EQ(state.LastFlowScaleCount, "");
}

TEST_F(ScalingTest, UpdateScalingFailingLimitsTryAgainNextTime) {
  Scaling("1e9", "257", "490");
  packet.FlowScaleCount = "257";
  EXPECT_THROW(chartScale.UpdateScaling(), core::StepFailure);
  EXPECT_FALSE(state.LastFlowScaleCount.has_value());
  setup.MaximumFlow.SetText("10");
  chartScale.UpdateScaling();
  EXPECT_EQ(state.ChartMax, 1775);
}

TEST(ChartScale, LeakLimitCount) {
  struct Row {
    std::string flowZero, leakLimit;
    std::int32_t expected;
  };
  const Row rows[] = {
      {"490", "5", 1132},     // 1132.5 halves to even
      {"490", "7", 1390},     // 1389.5 halves to even
      {" 490 ", " 5", 1132},  // blanks around the number are allowed
      {"0490", "5.0", 1132},  // the flow zero as received
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.flowZero + "/" + row.leakLimit);
    ScalingRig rig;
    rig.state.ChartMax = 1775;
    rig.packet.FlowZero = row.flowZero;
    rig.packet.LeakLimit = row.leakLimit;
    EXPECT_EQ(rig.chartScale.CalcLeakLimitCount(), row.expected);
  }
}

TEST(ChartScale, LeakLimitCountFails) {
  struct Row {
    std::string name, flowZero, leakLimit, maximumFlow;
  };
  const Row rows[] = {
      {"empty flow zero", "", "5", "10"},
      {"blank flow zero", "    ", "5", "10"},
      {"flow zero not a number", "49O", "5", "10"},
      {"empty leak limit", "490", "", "10"},
      {"leak limit with a unit", "490", "5 sccm", "10"},
      {"full scale flow 0", "490", "5", "0"},
      {"full scale flow empty", "490", "5", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ScalingRig rig;
    rig.state.ChartMax = 1775;
    rig.packet.FlowZero = row.flowZero;
    rig.packet.LeakLimit = row.leakLimit;
    rig.setup.MaximumFlow.SetText(row.maximumFlow);
    EXPECT_THROW(rig.chartScale.CalcLeakLimitCount(), core::StepFailure);
  }
}

}  // namespace
}  // namespace scaling::testing
