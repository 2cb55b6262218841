#include "qt/main_window_geometry.h"

#include <algorithm>

namespace qtui {

QRect MainWindowGeometry::AxisLabel(int index, int height) {
  int centre = kChart.top() + kZeroLine - 2 * kGridRow * index;
  int right = kChart.left() - 2;
  return {0, centre - height / 2, right, height};
}

QRect MainWindowGeometry::TimeAxisLabel(int index, QSize size) {
  int centre = kChart.left() + 100 * index;
  return {centre - size.width() / 2, kChart.bottom() + 2, size.width(), size.height()};
}

QRect MainWindowGeometry::ControlFrame(int timeAxisHeight, int neededHeight) {
  int top = kChart.bottom() + 2 + timeAxisHeight;
  int height = std::max(kDesignHeight - 2 - top, neededHeight);
  return {kMargin, top, kChart.right() + 1 - kMargin, height};
}

QSize MainWindowGeometry::ClientSize(const QRect& controlFrame) {
  // The design's 792 pixels cut the chart's right border; a few more show all of it.
  return {kChart.right() + 1 + kMargin, std::max(kDesignHeight, controlFrame.bottom() + 3)};
}

}  // namespace qtui
