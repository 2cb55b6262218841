#pragma once

#include <QRect>
#include <QSize>

namespace qtui {

// Where the main window's chart, axis labels and control frame sit, in client-area pixels,
// for a column of flow labels as wide as the widest of them. The chart's grid has rows of
// 19 pixels, the 0 % line 20 rows from the top, and one chart position per pixel column.
class MainWindowGeometry {
 public:
  // The chart shows the whole grid picture, 771 x 458.
  static constexpr QSize kChartSize{771, 458};
  static constexpr int kChartTop = 8;
  static constexpr int kGridRow = 19;
  static constexpr int kZeroLine = 380;  // the 0 % line, from the chart's top
  static constexpr int kMargin = 4;
  static constexpr int kLabelGap = 3;  // between a flow label's right edge and the chart
  static constexpr int kDesignHeight = 554;

  // `widestLabel`: the width of the widest flow label's text.
  explicit MainWindowGeometry(int widestLabel);

  QRect Chart() const;
  // Axis(index), right-aligned in the label column just left of the chart, centred on the
  // line of index × 10 %.
  QRect AxisLabel(int index, int height) const;
  // TimeAxis(index), centred under chart position 100 × index.
  QRect TimeAxisLabel(int index, QSize size) const;
  // Frame2, under the time axis labels down to the bottom of the client area, or taller when
  // its contents need it.
  QRect ControlFrame(int timeAxisHeight, int neededHeight) const;
  QSize ClientSize(const QRect& controlFrame) const;

 private:
  int chartLeft_;
};

}  // namespace qtui
