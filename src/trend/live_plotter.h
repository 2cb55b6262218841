#pragma once

#include <cstdint>
#include <functional>

#include "acquisition/live_packet.h"
#include "acquisition/setup_window.h"
#include "core/menu_item.h"
#include "core/platform/clock.h"
#include "core/platform/drawing_surface.h"
#include "core/text_box.h"
#include "scaling/graph_setup_window.h"
#include "scaling/scale_state.h"
#include "scaling/serial_form.h"
#include "trend/chart_frame.h"
#include "trend/chart_memory.h"
#include "trend/plot_colours.h"
#include "trend/plot_state.h"

namespace trend {

// The main window's controls and the actions of other subsystems that live plotting uses.
struct LivePlotterLinks {
  core::TextBox& positionBox;        // LeakMainForm.Text3
  core::TextBox& realTimeBox;        // LeakMainForm.Text2
  const core::MenuItem& continuous;  // Trend_Screen_Item(0)
  const core::MenuItem& singleTest;  // Trend_Screen_Item(1)
  const core::MenuItem& automatic;   // Trend_Screen_Item(2)
  const core::MenuItem& clearOnRollover;  // Trend_Item(3)
  std::function<void()> save;              // the save of a finished test
  std::function<void()> resetChartPosition;  // Command2_Click
  std::function<void()> resetTime;           // Reset_Command_Click
  std::function<void()> startStop;           // Stop_Command_Click
};

// Live plotting: which packets become points, the segments on the chart with the compensated
// trace and the leak-limit line, the chart memory and the automatic retriggering.
class LivePlotter {
 public:
  LivePlotter(const acquisition::LivePacket& packet, const acquisition::KM4400SetUp& setup,
              const scaling::GraphSetup& graphSetup, scaling::SerialForm& serialForm,
              const scaling::ScaleState& scale, PlotState& state, ChartMemory& memory,
              const ChartFrame& frame, core::DrawingSurface& surface, const core::Clock& clock,
              const PlotColours& colours, LivePlotterLinks links);

  void PlotHist(std::int16_t& y);
  void DrawChartSegment(std::int16_t& x, std::int16_t& y, std::int32_t colourIndex);
  std::int32_t CalcTempCompOffset();

 private:
  const acquisition::LivePacket& packet_;
  const acquisition::KM4400SetUp& setup_;
  const scaling::GraphSetup& graphSetup_;
  scaling::SerialForm& serialForm_;
  const scaling::ScaleState& scale_;
  PlotState& state_;
  ChartMemory& memory_;
  const ChartFrame& frame_;
  core::DrawingSurface& surface_;
  const core::Clock& clock_;
  const PlotColours& colours_;
  LivePlotterLinks links_;
};

}  // namespace trend
