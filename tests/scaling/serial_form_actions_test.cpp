#include <string>
#include <utility>
#include <vector>

#include "core/step_failure.h"
#include "scaling_fixture.h"

namespace scaling::testing {
namespace {

using Boxes = std::vector<std::pair<const core::TextBox*, std::string>>;

void ExpectBoxes(const Boxes& boxes) {
  for (const auto& [box, text] : boxes) EXPECT_EQ(box->Text(), text) << box->Name();
}

TEST(SerialFormActions, ManualCalibrationLaysOutTheLimits) {
  struct Row {
    std::string flowZero;
    std::string text3, text4, text7, hist1Max, text8, hist1Min;
  };
  const Row rows[] = {
      {"490", "490", "1775", "0", "1775", "233", "233"},
      {"100", "100", "1385", "157", "1542", "-157", "0"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE("flow zero " + row.flowZero);
    ScalingRig rig;
    rig.Scaling("10", "257", row.flowZero);
    rig.serialForm.Command2.Click();
    const SerialForm& f = rig.serialForm;
    ExpectBoxes({{&f.SetUpMaximumFlow, "10"},
                 {&f.Text3, row.text3},
                 {&f.Text5, row.text3},
                 {&f.Text4, row.text4},
                 {&f.Text6, row.text4},
                 {&f.Text7, row.text7},
                 {&f.Hist1Max, row.hist1Max},
                 {&f.Hist1Max_Leak, row.hist1Max},
                 {&f.FlowZero_Leak, row.text3},
                 {&f.FlowZero_Leak2, row.text3},
                 {&f.Text8, row.text8},
                 {&f.Hist1Min, row.hist1Min}});
  }
}

TEST_F(ScalingTest, ManualCalibrationLeavesChartAndScalingWindowAlone) {
  Scaling("10", "257", "100");
  state.ChartMax = 1000;
  state.ChartMin = 200;
  graphSetup.HistMaxValue.SetText("1000");
  graphSetup.HistMinValue.SetText("200");
  serialForm.Command2.Click();
  ASSERT_EQ(serialForm.Hist1Max.Text(), "1542");
  EXPECT_EQ(state.ChartMax, 1000);
  EXPECT_EQ(state.ChartMin, 200);
  EXPECT_EQ(graphSetup.HistMaxValue.Text(), "1000");
  EXPECT_EQ(graphSetup.HistMinValue.Text(), "200");
  EXPECT_EQ(graphSetup.FlowZeroYaxisValue.Text(), "5");
  EXPECT_EQ(graphSetup.FlowZero.Text(), "100");
}

TEST(SerialFormActions, ManualCalibrationFailsAt16Bits) {
  struct Row {
    std::string name, maximumFlow;
  };
  const Row rows[] = {
      {"full-scale count beyond 16 bits", "100"},  // d = 35490
      {"sum beyond 16 bits", "90"},                // d = 31990, c = 5810
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ScalingRig rig;
    rig.Scaling(row.maximumFlow, "700", "490");
    SerialForm& f = rig.serialForm;
    for (core::TextBox* box : {&f.Hist1Max, &f.Text4, &f.Text6, &f.Text7, &f.Text8, &f.Hist1Min}) {
      box->SetText("old");
    }
    f.Command2.Click();  // the failing step ends the action, and goes no further than the click
    EXPECT_TRUE(rig.dialogs.Messages().empty());  // no ceiling here, so no clamp message
    // The boxes before the failing step are written, the later ones keep their texts.
    ExpectBoxes({{&f.SetUpMaximumFlow, row.maximumFlow},
                 {&f.Text3, "490"},
                 {&f.Text5, "490"},
                 {&f.Hist1Max, "old"},
                 {&f.Text4, "old"},
                 {&f.Text6, "old"},
                 {&f.Text7, "old"},
                 {&f.Text8, "old"},
                 {&f.Hist1Min, "old"}});
  }
}

TEST_F(ScalingTest, TypingIntoHist1MaxOrText3UpdatesTheLeakGroupCopies) {
  serialForm.Hist1Max.SetText("2000");
  EXPECT_EQ(serialForm.Hist1Max_Leak.Text(), "2000");
  serialForm.Text3.SetText("480");
  EXPECT_EQ(serialForm.FlowZero_Leak.Text(), "480");
  EXPECT_EQ(serialForm.FlowZero_Leak2.Text(), "480");

  serialForm.Text4.SetText("9999");
  serialForm.Text5.SetText("9999");
  EXPECT_EQ(serialForm.Hist1Max_Leak.Text(), "2000");
  EXPECT_EQ(serialForm.FlowZero_Leak.Text(), "480");
  EXPECT_EQ(serialForm.FlowZero_Leak2.Text(), "480");
}

TEST_F(ScalingTest, LoadShowsTheFullScaleFlowAndCloseHides) {
  setup.MaximumFlow.SetText("25");
  serialForm.Show();
  EXPECT_EQ(serialForm.SetUpMaximumFlow.Text(), "25");
  serialForm.Command1.Click();
  EXPECT_FALSE(serialForm.Visible());
}

}  // namespace
}  // namespace scaling::testing
