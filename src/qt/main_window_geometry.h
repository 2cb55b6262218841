#pragma once

#include <QRect>
#include <QSize>

namespace qtui {

// Where the main window's chart, axis labels and control frame sit, in client-area pixels.
// The chart's grid has rows of 19 pixels, the 0 % line 20 rows from the top, and one chart
// position per pixel column.
struct MainWindowGeometry {
  // The chart shows the whole grid picture, 771 x 458, at the design's place.
  static constexpr QRect kChart{24, 8, 771, 458};
  static constexpr int kGridRow = 19;
  static constexpr int kZeroLine = 380;  // the 0 % line, from the chart's top
  static constexpr int kMargin = 4;
  static constexpr int kDesignHeight = 554;

  // Axis(index), right-aligned just left of the chart, centred on the line of index × 10 %.
  static QRect AxisLabel(int index, int height);
  // TimeAxis(index), centred under chart position 100 × index.
  static QRect TimeAxisLabel(int index, QSize size);
  // Frame2, under the time axis labels down to the bottom of the client area, or taller when
  // its contents need it.
  static QRect ControlFrame(int timeAxisHeight, int neededHeight);
  static QSize ClientSize(const QRect& controlFrame);
};

}  // namespace qtui
