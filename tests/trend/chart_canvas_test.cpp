// The chart's coordinate frame, its axis labels and its grid picture.
#include "trend/chart_canvas.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/step_failure.h"
#include "doubles/recording_surface.h"
#include "scaling/graph_setup_window.h"
#include "trend/grid_picture.h"

namespace trendtest {
namespace {

struct CanvasRig {
  CanvasRig() {
    for (std::size_t i = 0; i < axis.size(); ++i)
      axis[i] = std::make_unique<core::Label>("Axis", "");
    for (std::size_t i = 0; i < timeAxis.size(); ++i)
      timeAxis[i] = std::make_unique<core::Label>("TimeAxis", "");
  }

  template <std::size_t N>
  static std::vector<std::string> Captions(
      const std::array<std::unique_ptr<core::Label>, N>& labels) {
    std::vector<std::string> out;
    for (const auto& label : labels) out.push_back(label->Caption());
    return out;
  }

  doubles::RecordingSurface surface;
  scaling::GraphSetup graphSetup;
  trend::ChartFrame frame;
  std::array<std::unique_ptr<core::Label>, 11> axis;
  std::array<std::unique_ptr<core::Label>, 8> timeAxis;
  trend::ChartCanvas canvas{surface, graphSetup, frame, axis, timeAxis};
};

struct ScaleCase {
  const char* max;
  const char* min;
  std::int16_t top, bottom;
};

class ChartScale : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ChartScale, RoundsTheLimitsHalfToEvenAndScalesTheChart) {
  const ScaleCase& c = GetParam();
  CanvasRig rig;
  rig.graphSetup.HistMaxValue.SetText(c.max);
  rig.graphSetup.HistMinValue.SetText(c.min);
  rig.canvas.SetChartScale();
  EXPECT_EQ(rig.frame.ChartXMax, 770);
  EXPECT_EQ(rig.frame.ChartYTop, c.top);
  EXPECT_EQ(rig.frame.ChartYBottom, c.bottom);
  EXPECT_EQ(rig.surface.Calls(), (std::vector<std::string>{"Scale 0," + std::to_string(c.top) +
                                                           "-770," + std::to_string(c.bottom)}));
}

INSTANTIATE_TEST_SUITE_P(Limits, ChartScale,
                         ::testing::Values(ScaleCase{"1775", "233", 1775, 233},
                                           ScaleCase{"4095", "0", 4095, 0},
                                           ScaleCase{"1775.5", "233", 1776, 233},
                                           ScaleCase{"1774.5", " -0.5 ", 1774, 0},
                                           ScaleCase{"32767", "-32768", 32767, -32768}));

TEST(ChartScale, ABadBoxLeavesTheFrameAndTheCoordinateSystemAsTheyWere) {
  CanvasRig rig;
  rig.graphSetup.HistMaxValue.SetText("1775");
  rig.graphSetup.HistMinValue.SetText("233");
  rig.canvas.SetChartScale();
  rig.surface.ClearCalls();
  for (auto [max, min] :
       {std::pair{"1775x", "233"}, {"", "233"}, {"1775", "32768"}, {"1775", "abc"}}) {
    rig.graphSetup.HistMaxValue.SetText(max);
    rig.graphSetup.HistMinValue.SetText(min);
    EXPECT_THROW(rig.canvas.ApplyChartScale(), core::StepFailure) << max << " " << min;
    EXPECT_EQ(rig.frame.ChartYTop, 1775);
    EXPECT_EQ(rig.frame.ChartYBottom, 233);
  }
  EXPECT_TRUE(rig.surface.Calls().empty());
}

TEST(AxisLabels, FlowLabelsArePlainNumberTextsOrOneDecimal) {
  CanvasRig rig;
  rig.canvas.WriteFlowLabels(25);
  EXPECT_EQ(CanvasRig::Captions(rig.axis),
            (std::vector<std::string>{"0", "2.5", "5", "7.5", "10", "12.5", "15", "17.5", "20",
                                      "22.5", "25"}));
  rig.canvas.WriteFlowLabels(3);
  EXPECT_EQ(rig.axis[3]->Caption(), "0.9") << "no binary noise in the text";
  rig.canvas.WriteFlowLabels(10, true);
  EXPECT_EQ(CanvasRig::Captions(rig.axis),
            (std::vector<std::string>{"0.0", "1.0", "2.0", "3.0", "4.0", "5.0", "6.0", "7.0", "8.0",
                                      "9.0", "10.0"}));
}

TEST(AxisLabels, TimeLabelsShowTheSecondsAtEveryHundredPositions) {
  CanvasRig rig;
  const std::vector<std::pair<double, std::vector<std::string>>> cases{
      {0.50, {"0", "5", "10", "15", "20", "25", "30", "35"}},
      {0.20, {"0", "2", "4", "6", "8", "10", "12", "14"}},
      {0.10, {"0", "1", "2", "3", "4", "5", "6", "7"}},
      {1.6, {"0", "16", "32", "48", "64", "80", "96", "112"}}};
  for (const auto& [seconds, expected] : cases) {
    rig.canvas.WriteTimeLabels(seconds);
    EXPECT_EQ(CanvasRig::Captions(rig.timeAxis), expected) << seconds;
  }
}

TEST(GridPicture, HasGridLinesEveryTenColumnsAndNineteenRowsInsideADarkerBorder) {
  const std::vector<core::Rgb> pixels = trend::GridPicture::Build();
  ASSERT_EQ(pixels.size(), 771u * 458u);
  auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y * 771 + x)]; };
  const core::Rgb white = trend::GridPicture::kBackground, grid = trend::GridPicture::kGridLine,
                  border = trend::GridPicture::kBorder;
  EXPECT_EQ(grid, core::MakeRgb(231, 227, 231));
  EXPECT_EQ(border, core::MakeRgb(214, 211, 206));
  struct Pixel {
    int x, y;
    core::Rgb colour;
  };
  for (const Pixel& p : std::vector<Pixel>{
           {5, 5, white},      {9, 5, grid},      {10, 5, white},   {759, 200, grid},
           {760, 200, white},  {768, 200, white}, {19, 100, grid},  {5, 0, grid},
           {5, 19, grid},      {5, 380, grid},    {5, 456, grid},   {5, 455, white},
           {9, 19, grid},      {0, 5, border},    {1, 5, border},   {2, 5, white},
           {769, 5, border},   {770, 5, border},  {0, 0, border},   {770, 456, border},
           {100, 457, border}, {9, 457, border},  {385, 229, white}}) {
    EXPECT_EQ(at(p.x, p.y), p.colour) << p.x << "," << p.y;
  }
  int verticalLines = 0, horizontalLines = 0;
  for (int x = 2; x < 769; ++x) verticalLines += at(x, 5) == grid ? 1 : 0;
  for (int y = 0; y < 457; ++y) horizontalLines += at(5, y) == grid ? 1 : 0;
  EXPECT_EQ(verticalLines, 76);
  EXPECT_EQ(horizontalLines, 25);
}

}  // namespace
}  // namespace trendtest
