#include "trend/chart_canvas.h"

#include "core/numbers.h"

namespace trend {

ChartCanvas::ChartCanvas(core::DrawingSurface& surface, const scaling::GraphSetup& graphSetup,
                         ChartFrame& frame, std::array<std::unique_ptr<core::Label>, 11>& axis,
                         std::array<std::unique_ptr<core::Label>, 8>& timeAxis)
    : surface_(surface), graphSetup_(graphSetup), frame_(frame), axis_(axis), timeAxis_(timeAxis) {}

void ChartCanvas::SetChartScale() {
  frame_.ChartXMax = 770;
  ApplyChartScale();
}

void ChartCanvas::ApplyChartScale() {
  // Both limits are converted before either is stored, so a bad box leaves the frame whole.
  std::int16_t top = core::RoundToInt16(core::StrictNumericValue(graphSetup_.HistMaxValue.Text()));
  std::int16_t bottom =
      core::RoundToInt16(core::StrictNumericValue(graphSetup_.HistMinValue.Text()));
  frame_.ChartYTop = top;
  frame_.ChartYBottom = bottom;
  surface_.Scale(0, top, frame_.ChartXMax, bottom);
}

void ChartCanvas::WriteFlowLabels(double fullScaleFlow, bool oneDecimal) {
  for (std::size_t i = 0; i < axis_.size(); ++i) {
    double value = fullScaleFlow / 10 * static_cast<double>(i);
    axis_[i]->SetCaption(oneDecimal ? core::FixedText(value, 1) : core::NumberText(value));
  }
}

void ChartCanvas::WriteTimeLabels(double secondsPerDivision) {
  for (std::size_t i = 0; i < timeAxis_.size(); ++i) {
    timeAxis_[i]->SetCaption(core::NumberText(secondsPerDivision * 10 * static_cast<double>(i)));
  }
}

}  // namespace trend
