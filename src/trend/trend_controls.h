#pragma once

#include <array>
#include <functional>
#include <memory>

#include "core/menu_item.h"
#include "core/platform/clock.h"
#include "core/platform/drawing_surface.h"
#include "core/text_box.h"
#include "scaling/graph_setup_window.h"
#include "trend/pen_colour_window.h"
#include "trend/plot_state.h"

namespace trend {

// The main window's controls and other subsystems' actions that the chart buttons use.
struct TrendControlsLinks {
  std::array<std::unique_ptr<core::MenuItem>, 3>& modes;  // Trend_Screen_Item(0..2)
  core::TextBox& positionBox;                             // LeakMainForm.Text3
  core::TextBox& realTimeBox;                             // LeakMainForm.Text2
  std::function<void()> stopAcquisition;  // closes the port and shows "Start Plotting"
};

// Trend modes, the plot sequence and the three chart buttons.
class TrendControls {
 public:
  TrendControls(PlotState& state, const scaling::GraphSetup& graphSetup, PenColour& penColour,
                core::DrawingSurface& surface, const core::Clock& clock, TrendControlsLinks links);

  void Trend_Screen_Item_Click(int index);
  // Run at every start of plotting.
  void PlotSequenceStep();
  void Command2_Click();      // Reset Chart Position
  void Command4_Click();      // Clear Screen
  void Reset_Command_Click();  // Reset Time

  bool TriggeredMode() const;

 private:
  PlotState& state_;
  const scaling::GraphSetup& graphSetup_;
  PenColour& penColour_;
  core::DrawingSurface& surface_;
  const core::Clock& clock_;
  TrendControlsLinks links_;
};

}  // namespace trend
