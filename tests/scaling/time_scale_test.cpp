#include <string>

#include "scaling_fixture.h"

namespace scaling::testing {
namespace {

const TimeIncrementCode& Code(const std::string& caption) {
  for (const TimeIncrementCode& code : kTimeIncrementCodes) {
    if (caption == code.caption) return code;
  }
  throw std::invalid_argument(caption);
}

TEST(TimeScale, RefreshWritesTheThreeTimeBoxes) {
  struct Row {
    std::string paper;
    std::string code;
    int decimals;
    bool fixedPaper;
    std::string secPerDiv, divisions, total;
  };
  const Row rows[] = {
      {"770", "X1", 1, false, "1.00", "77.1", "77.1"},
      {"770", "X1", 0, false, "1.00", "77", "77"},
      // The total multiplies the two written texts: 0.50 x 77.1, not 0.5 x 77.085.
      {"770", "X2", 1, false, "0.50", "77.1", "38.6"},
      {"770", "/10", 1, false, "10.00", "77.1", "771.0"},
      {"1540", "X1", 1, false, "2.00", "38.5", "77.0"},
      {"1600", "X10", 1, false, "0.21", "37.1", "7.8"},
      // The fixed paper ignores the box.
      {"1000", "X1", 1, true, "1.00", "77.1", "77.1"},
      {"1000", "/5", 1, true, "5.00", "77.1", "385.5"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.paper + " " + row.code + " decimals " + std::to_string(row.decimals));
    ScalingRig rig;
    rig.graphSetup.HistPaperLength.SetText(row.paper);
    rig.timeScale.Apply(Code(row.code));
    rig.timeScale.RefreshTimeScale(row.decimals, row.fixedPaper);
    EXPECT_EQ(rig.graphSetup.SecPerDiv.Text(), row.secPerDiv);
    EXPECT_EQ(rig.graphSetup.DivisionsDisplayed.Text(), row.divisions);
    EXPECT_EQ(rig.graphSetup.TotalTimeDisplayed.Text(), row.total);
  }
}

TEST_F(ScalingTest, RefreshRunsTheSecondsPerDivisionChangeAction) {
  timeScale.Apply(Code("X2"));
  timeScale.RefreshTimeScale(1, false);
  EXPECT_EQ(numberSecPerDiv.Text(), "0.50");
  ASSERT_FALSE(timeLabelCalls.empty());
  EXPECT_DOUBLE_EQ(timeLabelCalls.back(), 0.5);
}

TEST_F(ScalingTest, ApplySetsCaptionAndBothValues) {
  timeScale.Apply(Code("/5"));
  EXPECT_EQ(graphSetup.TimeIncrement.Caption(), "/5");
  EXPECT_EQ(state.TimeMultiplier, 1);
  EXPECT_EQ(state.PacketSkip, 4);
  timeScale.Apply(Code("X10"));
  EXPECT_EQ(graphSetup.TimeIncrement.Caption(), "X10");
  EXPECT_EQ(state.TimeMultiplier, 10);
  EXPECT_EQ(state.PacketSkip, 0);
}

}  // namespace
}  // namespace scaling::testing
