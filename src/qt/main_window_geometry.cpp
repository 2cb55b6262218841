#include "qt/main_window_geometry.h"

#include <algorithm>

namespace qtui {
namespace {

// The chart never starts left of the design's place, whatever the labels.
constexpr int kLeastChartLeft = 24;

}  // namespace

MainWindowGeometry::MainWindowGeometry(int widestLabel)
    : chartLeft_(std::max(kLeastChartLeft, kMargin + widestLabel + kLabelGap)) {}

QRect MainWindowGeometry::Chart() const { return {QPoint(chartLeft_, kChartTop), kChartSize}; }

QRect MainWindowGeometry::AxisLabel(int index, int height) const {
  int centre = kChartTop + kZeroLine - 2 * kGridRow * index;
  int right = chartLeft_ - kLabelGap;
  return {kMargin, centre - height / 2, right - kMargin, height};
}

QRect MainWindowGeometry::TimeAxisLabel(int index, QSize size) const {
  int centre = chartLeft_ + 100 * index;
  return {centre - size.width() / 2, Chart().bottom() + 2, size.width(), size.height()};
}

QRect MainWindowGeometry::ControlFrame(int timeAxisHeight, int neededHeight) const {
  int top = Chart().bottom() + 2 + timeAxisHeight;
  int height = std::max(kDesignHeight - 2 - top, neededHeight);
  return {kMargin, top, Chart().right() + 1 - kMargin, height};
}

QSize MainWindowGeometry::ClientSize(const QRect& controlFrame) const {
  // A few pixels right of the chart show all of its border.
  return {Chart().right() + 1 + kMargin, std::max(kDesignHeight, controlFrame.bottom() + 3)};
}

}  // namespace qtui
