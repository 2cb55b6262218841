#include <string>

#include "core/step_failure.h"
#include "scaling_fixture.h"

namespace scaling::testing {
namespace {

TEST_F(ScalingTest, LoadResetsTheMultiplierAndRefreshesWithoutDecimals) {
  state.TimeMultiplier = 2;
  state.PacketSkip = 4;
  graphSetup.TimeIncrement.SetCaption("/5");
  graphSetup.EnsureLoaded();
  EXPECT_EQ(state.TimeMultiplier, 1);
  EXPECT_EQ(state.PacketSkip, 4);
  EXPECT_EQ(graphSetup.TimeIncrement.Caption(), "/5");
  EXPECT_EQ(graphSetup.SecPerDiv.Text(), "5.00");
  EXPECT_EQ(graphSetup.DivisionsDisplayed.Text(), "77");
  EXPECT_EQ(graphSetup.TotalTimeDisplayed.Text(), "385");
}

TEST_F(ScalingTest, LoadWithTheDefaults) {
  graphSetup.EnsureLoaded();
  EXPECT_EQ(graphSetup.SecPerDiv.Text(), "1.00");
  EXPECT_EQ(graphSetup.DivisionsDisplayed.Text(), "77");
  EXPECT_EQ(graphSetup.TotalTimeDisplayed.Text(), "77");
  EXPECT_EQ(numberSecPerDiv.Text(), "1.00");
}

TEST_F(ScalingTest, TimeIncrementStepsThroughTheCodesAndBack) {
  struct Step {
    std::string caption;
    std::int16_t multiplier, skip;
    std::string secPerDiv;
  };
  const Step steps[] = {{"X2", 2, 0, "0.50"},   {"X5", 5, 0, "0.20"}, {"X10", 10, 0, "0.10"},
                        {"/10", 1, 9, "10.00"}, {"/5", 1, 4, "5.00"}, {"/2", 1, 1, "2.00"},
                        {"X1", 1, 0, "1.00"}};
  graphSetup.EnsureLoaded();
  graphSetup.DivisionsDisplayed.SetText("77.1");
  for (const Step& step : steps) {
    SCOPED_TRACE(step.caption);
    graphSetup.TimeIncrement.Click();
    EXPECT_EQ(graphSetup.TimeIncrement.Caption(), step.caption);
    EXPECT_EQ(state.TimeMultiplier, step.multiplier);
    EXPECT_EQ(state.PacketSkip, step.skip);
    EXPECT_EQ(graphSetup.SecPerDiv.Text(), step.secPerDiv);
    EXPECT_EQ(numberSecPerDiv.Text(), step.secPerDiv);        // through the change action
    EXPECT_EQ(graphSetup.DivisionsDisplayed.Text(), "77.1");  // only SecPerDiv is written
  }
}

TEST_F(ScalingTest, TimeIncrementUsesThePaperLength) {
  graphSetup.HistPaperLength.SetText("1540");
  graphSetup.DivisionsDisplayed.SetText("38.5");
  graphSetup.TimeIncrement.Click();
  EXPECT_EQ(graphSetup.TimeIncrement.Caption(), "X2");
  EXPECT_EQ(state.TimeMultiplier, 2);
  EXPECT_EQ(graphSetup.SecPerDiv.Text(), "1.00");
  EXPECT_EQ(graphSetup.TotalTimeDisplayed.Text(), "38.5");
}

TEST_F(ScalingTest, TimeIncrementFromAnUnknownCaptionStartsAtTenth) {
  graphSetup.TimeIncrement.SetCaption("X3");
  graphSetup.TimeIncrement.Click();
  EXPECT_EQ(graphSetup.TimeIncrement.Caption(), "/10");
  EXPECT_EQ(state.TimeMultiplier, 1);
  EXPECT_EQ(state.PacketSkip, 9);
  EXPECT_EQ(graphSetup.SecPerDiv.Text(), "10.00");
}

TEST_F(ScalingTest, SecondsPerDivisionUpdatesTotalMainBoxAndLabels) {
  graphSetup.DivisionsDisplayed.SetText("77.1");
  graphSetup.SecPerDiv.SetText("0.50");
  EXPECT_EQ(graphSetup.TotalTimeDisplayed.Text(), "38.6");
  EXPECT_EQ(numberSecPerDiv.Text(), "0.50");
  ASSERT_EQ(timeLabelCalls.size(), 1u);
  EXPECT_DOUBLE_EQ(timeLabelCalls[0], 0.5);
}

TEST_F(ScalingTest, SecondsPerDivisionNotANumberLeavesTheLabels) {
  graphSetup.DivisionsDisplayed.SetText("77.1");
  graphSetup.SecPerDiv.SetText("0.50");
  graphSetup.SecPerDiv.SetText("");  // the strict conversion fails and ends the change action
  EXPECT_EQ(graphSetup.TotalTimeDisplayed.Text(), "0.0");
  EXPECT_EQ(numberSecPerDiv.Text(), "");
  EXPECT_EQ(timeLabelCalls.size(), 1u);
  graphSetup.SecPerDiv.SetText("1.5s");
  EXPECT_EQ(numberSecPerDiv.Text(), "1.5s");
  EXPECT_EQ(timeLabelCalls.size(), 1u);
}

TEST(GraphSetupActions, PaperLengthStaysAsTypedUntilTheEditingEndsThenKeepsItsLimits) {
  struct Row {
    std::string typed, kept;
  };
  const Row rows[] = {
      {"2000", "1600"},
      {"1600.5", "1600"},
      {"1600", "1600"},
      {"1000", "1000"},
      {"1", "770.905923344948"},
      {"770.905923344948", "770.905923344948"},
      {"770.9", "770.905923344948"},
      {"700", "770.905923344948"},
      {"", "770.905923344948"},
      {"abc", "770.905923344948"},
      {"1200 mm", "1200 mm"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE("\"" + row.typed + "\"");
    ScalingRig rig;
    rig.graphSetup.HistPaperLength.SetText(row.typed);
    EXPECT_EQ(rig.graphSetup.HistPaperLength.Text(), row.typed);
    rig.graphSetup.HistPaperLength.EndEdit();
    EXPECT_EQ(rig.graphSetup.HistPaperLength.Text(), row.kept);
  }
}

TEST(GraphSetupActions, ClosingOrApplyingTheWindowEndsThePaperLengthsEditing) {
  const std::pair<const char*, void (*)(GraphSetup&)> ways[] = {
      {"Close", [](GraphSetup& w) { w.Command1.Click(); }},
      {"title-bar close", [](GraphSetup& w) { w.Hide(); }},
      {"Rescale", [](GraphSetup& w) { w.Rescale.Click(); }},
      {"time increment", [](GraphSetup& w) { w.TimeIncrement.Click(); }},
  };
  for (const auto& [way, end] : ways) {
    SCOPED_TRACE(way);
    ScalingRig rig;
    rig.graphSetup.Show();
    rig.graphSetup.HistPaperLength.SetText("2000");
    end(rig.graphSetup);
    EXPECT_EQ(rig.graphSetup.HistPaperLength.Text(), "1600");
  }
}

TEST(GraphSetupActions, PlotsBeforeClearingAreKeptBetweenOneAndEight) {
  struct Row {
    std::string typed, kept;
  };
  const Row rows[] = {{"12", "8"},  {"8.1", "8"}, {"8", "8"}, {"3.5", "3.5"}, {"1", "1"},
                      {"0.5", "1"}, {"0", "1"},   {"", "1"},  {"-3", "1"}};
  for (const Row& row : rows) {
    SCOPED_TRACE("\"" + row.typed + "\"");
    ScalingRig rig;
    rig.graphSetup.ScreenClearCountMax.SetText(row.typed);
    EXPECT_EQ(rig.graphSetup.ScreenClearCountMax.Text(), row.kept);
  }
}

TEST_F(ScalingTest, RescaleUsesTheFixedPaperAndReallocatesTheMemory) {
  graphSetup.HistPaperLength.SetText("1000");
  graphSetup.Rescale.Click();
  EXPECT_EQ(reallocations, 1);
  EXPECT_EQ(state.ChartMax, 1775);
  EXPECT_EQ(state.ChartMin, 233);
  EXPECT_EQ(graphSetup.HistMaxValue.Text(), "1775");
  EXPECT_EQ(graphSetup.HistMinValue.Text(), "233");
  EXPECT_EQ(graphSetup.SecPerDiv.Text(), "1.00");
  EXPECT_EQ(graphSetup.DivisionsDisplayed.Text(), "77.1");
  EXPECT_EQ(graphSetup.TotalTimeDisplayed.Text(), "77.1");
  EXPECT_EQ(graphSetup.HistPaperLength.Text(), "1000");
}

TEST_F(ScalingTest, RescaleAtTheCeilingShowsTheMessage) {
  Scaling("100", "700", "490");
  graphSetup.Rescale.Click();
  EXPECT_EQ(dialogs.Messages(),
            std::vector<std::string>{"At maximum Y value. Y Axis Scaling Will Be Inaccurate"});
  EXPECT_EQ(graphSetup.HistMaxValue.Text(), "32767");
  EXPECT_EQ(graphSetup.HistMinValue.Text(), "0");
}

TEST_F(ScalingTest, CloseHidesTheWindowAndKeepsItsFields) {
  graphSetup.Show();
  graphSetup.HistPaperLength.SetText("1200");
  graphSetup.Command1.Click();
  EXPECT_FALSE(graphSetup.Visible());
  EXPECT_EQ(graphSetup.HistPaperLength.Text(), "1200");
}

}  // namespace
}  // namespace scaling::testing
