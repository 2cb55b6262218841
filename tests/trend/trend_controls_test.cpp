// Trend modes, the plot sequence at each start of plotting, the chart buttons and the plot colours.
#include <gtest/gtest.h>

#include <optional>

#include "core/step_failure.h"
#include "trend_rig.h"

namespace trendtest {
namespace {

std::vector<bool> Checks(const TrendRig& rig) {
  return {rig.modes[0]->Checked(), rig.modes[1]->Checked(), rig.modes[2]->Checked()};
}

TEST(TrendModeMenu, ChoosingAModeChecksOnlyItAndRestartsTheCycleCount) {
  TrendRig rig;
  EXPECT_EQ(Checks(rig), (std::vector<bool>{false, false, true}));
  rig.state.PlotsSinceClear = 5;
  rig.Choose(TrendRig::kContinuous);
  EXPECT_EQ(Checks(rig), (std::vector<bool>{true, false, false}));
  EXPECT_EQ(rig.state.PlotsSinceClear, 0);
  rig.Choose(TrendRig::kSingleTest);
  EXPECT_EQ(Checks(rig), (std::vector<bool>{false, true, false}));

  rig.state.PlotsSinceClear = 3;
  rig.Choose(TrendRig::kSingleTest);
  EXPECT_EQ(Checks(rig), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(rig.state.PlotsSinceClear, 0) << "the checked mode only resets the count";
}

struct Start {
  int plotIndex;
  const char* plotNumber;
  bool cleared;
};

struct SequenceCase {
  const char* name;
  TrendRig::Mode mode;
  const char* plotsPerCycle;
  std::vector<Start> starts;
};

class PlotSequence : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(PlotSequence, AdvancesColourAndPlotNumberAndClearsOnlyInTriggeredModes) {
  const SequenceCase& c = GetParam();
  TrendRig rig;
  rig.Choose(c.mode);
  rig.graphSetup.ScreenClearCountMax.SetText(c.plotsPerCycle);
  for (std::size_t i = 0; i < c.starts.size(); ++i) {
    rig.surface.ClearCalls();
    rig.StartPlotting();
    SCOPED_TRACE("start " + std::to_string(i + 1));
    EXPECT_EQ(rig.state.PlotIndex, c.starts[i].plotIndex);
    EXPECT_EQ(rig.penColour.plotnumbertext.Text(), c.starts[i].plotNumber);
    EXPECT_EQ(rig.Count("Cls"), c.starts[i].cleared ? 1 : 0);
  }
}

const std::vector<Start> kEightPerCycleTriggered{{1, "0", false}, {2, "1", false}, {3, "2", false},
                                                 {4, "3", false}, {5, "4", false}, {6, "5", false},
                                                 {7, "6", false}, {8, "7", false}, {9, "8", false},
                                                 {2, "1", true},  {3, "2", false}};
const std::vector<Start> kEightPerCycleContinuous{{1, "0", false}, {2, "1", false}, {3, "2", false},
                                                  {4, "3", false}, {5, "4", false}, {6, "5", false},
                                                  {7, "6", false}, {8, "7", false}, {9, "8", false},
                                                  {2, "9", false}, {3, "10", false}};

INSTANTIATE_TEST_SUITE_P(
    Cycles, PlotSequence,
    ::testing::Values(
        SequenceCase{"EightAutomatic", TrendRig::kAutomatic, "8", kEightPerCycleTriggered},
        SequenceCase{"EightContinuous", TrendRig::kContinuous, "8", kEightPerCycleContinuous},
        SequenceCase{"OneSingleTest",
                     TrendRig::kSingleTest,
                     "1",
                     {{1, "0", false}, {2, "1", false}, {2, "1", true}, {2, "1", true}}},
        SequenceCase{"OneContinuous",
                     TrendRig::kContinuous,
                     "1",
                     {{1, "0", false}, {2, "1", false}, {2, "2", false}, {2, "3", false}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChartButtons, ResetChartPositionStopsAcquisitionAndMovesToTheLeftEdge) {
  TrendRig rig;
  rig.state.ChartPosition = 345;
  rig.text3.SetText("345");
  rig.clock.SetSeconds(5000.25);
  rig.controls->Command2_Click();
  EXPECT_EQ(rig.hooks, (std::vector<std::string>{"stopAcquisition"}));
  EXPECT_EQ(rig.state.ChartPosition, 0);
  EXPECT_EQ(rig.text3.Text(), "0");
  EXPECT_FLOAT_EQ(rig.state.RealTimeStamp, 5000.25f);
}

TEST(ChartButtons, ResetTimeRestartsTheRealTimeBox) {
  TrendRig rig;
  rig.text2.SetText("123.4");
  rig.clock.SetSeconds(7000.5);
  rig.controls->Reset_Command_Click();
  EXPECT_EQ(rig.text2.Text(), "0");
  EXPECT_FLOAT_EQ(rig.state.RealTimeStamp, 7000.5f);
  EXPECT_TRUE(rig.surface.Calls().empty());
}

TEST(PlotColourWindow, CloseHidesIt) {
  TrendRig rig;
  rig.penColour.Show();
  rig.penColour.Command1.Click();
  EXPECT_FALSE(rig.penColour.Visible());
}

struct ColourCase {
  const char* name;
  int box;
  const char* text;
  int colourIndex;
  std::optional<core::Rgb> expected;  // none: the step fails
};

class PlotColourRule : public ::testing::TestWithParam<ColourCase> {};

TEST_P(PlotColourRule, MapsTheIndexToABoxAndTheBoxToThePalette) {
  const ColourCase& c = GetParam();
  TrendRig rig;
  rig.penColour.ColourSelect[static_cast<std::size_t>(c.box)]->SetText(c.text);
  if (c.expected) {
    EXPECT_EQ(rig.colours.PlotColour(c.colourIndex), *c.expected);
  } else {
    EXPECT_THROW(rig.colours.PlotColour(c.colourIndex), core::StepFailure);
  }
}

constexpr core::Rgb kRed = core::MakeRgb(128, 0, 0);

INSTANTIATE_TEST_SUITE_P(
    Rules, PlotColourRule,
    ::testing::Values(
        ColourCase{"FirstPlot", 2, "12", 2, core::MakeRgb(255, 0, 0)},
        ColourCase{"EighthPlotIsBoxOne", 1, "0", 9, core::MakeRgb(0, 0, 0)},
        ColourCase{"IndexElevenIsBoxThree", 3, "15", 11, core::MakeRgb(255, 255, 255)},
        ColourCase{"IndexTwelveIsBlack", 4, "7", 12, core::MakeRgb(0, 0, 0)},
        ColourCase{"NegativeIndexIsBlack", 0, "99", -1, core::MakeRgb(0, 0, 0)},
        ColourCase{"HalfRoundsUp", 5, "3.5", 5, kRed},
        ColourCase{"HalfRoundsToEven", 5, "4.5", 5, kRed},
        ColourCase{"LeadingNumberCounts", 6, "7 White", 6, core::MakeRgb(192, 192, 192)},
        ColourCase{"EmptyIsBlack", 7, "", 7, core::MakeRgb(0, 0, 0)},
        ColourCase{"TextIsBlack", 7, "red", 7, core::MakeRgb(0, 0, 0)},
        ColourCase{"SixteenFails", 0, "16", 0, std::nullopt},
        ColourCase{"NegativeCodeFails", 0, "-1", 8, std::nullopt},
        ColourCase{"TooLargeForSixteenBitsFails", 0, "40000", 0, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Palette, HasTheSixteenNamedColoursOfTheLegend) {
  ASSERT_EQ(trend::kPalette.size(), 16u);
  EXPECT_STREQ(trend::kPalette[0].name, "Black");
  EXPECT_STREQ(trend::kPalette[7].name, "White");
  EXPECT_EQ(trend::kPalette[7].colour, core::MakeRgb(192, 192, 192));
  EXPECT_STREQ(trend::kPalette[11].name, "Light Cyan");
  EXPECT_EQ(trend::kPalette[11].colour, core::MakeRgb(0, 255, 255));
  EXPECT_STREQ(trend::kPalette[15].name, "Bright White");
  for (std::size_t code = 0; code < 16; ++code) {
    EXPECT_NE(std::string(trend::PenColour::kLegend)
                  .find(std::to_string(code) + " " + trend::kPalette[code].name),
              std::string::npos)
        << code;
  }
}

}  // namespace
}  // namespace trendtest
