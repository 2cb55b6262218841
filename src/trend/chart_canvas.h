#pragma once

#include <array>
#include <memory>
#include <string>

#include "core/label.h"
#include "core/platform/drawing_surface.h"
#include "scaling/graph_setup_window.h"
#include "trend/chart_frame.h"

namespace trend {

// The live chart's coordinate frame and its axis labels.
class ChartCanvas {
 public:
  ChartCanvas(core::DrawingSurface& surface, const scaling::GraphSetup& graphSetup, ChartFrame& frame,
              std::array<std::unique_ptr<core::Label>, 11>& axis,
              std::array<std::unique_ptr<core::Label>, 8>& timeAxis);

  void SetChartScale();
  void ApplyChartScale();
  // Axis(i) := full-scale flow / 10 * i, as plain number text or with one decimal.
  void WriteFlowLabels(double fullScaleFlow, bool oneDecimal = false);
  // TimeAxis(i) := seconds per division * 10 * i.
  void WriteTimeLabels(double secondsPerDivision);

  core::DrawingSurface& Surface() { return surface_; }

 private:
  core::DrawingSurface& surface_;
  const scaling::GraphSetup& graphSetup_;
  ChartFrame& frame_;
  std::array<std::unique_ptr<core::Label>, 11>& axis_;
  std::array<std::unique_ptr<core::Label>, 8>& timeAxis_;
};

}  // namespace trend
