#pragma once

#include "history/control_chart_window.h"

class QWidget;

namespace qtui {

// The Control Chart window: the caption and the limits above the chart, the buttons that
// save it as PNG or PDF and Close below. It gives the window the way to write its picture.
QWidget* BuildControlChartView(history::ControlChartWindow& model);

}  // namespace qtui
