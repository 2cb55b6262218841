#pragma once

#include <functional>

#include "core/text_box.h"
#include "scaling/chart_scale.h"
#include "scaling/graph_setup_window.h"
#include "scaling/scale_state.h"
#include "scaling/time_scale.h"

namespace scaling {

// What the scaling window's actions reach outside it.
struct GraphSetupLinks {
  core::TextBox& numberSecPerDiv;                   // LeakMainForm.NumberSecPerDiv
  std::function<void(double)> writeTimeLabels;      // TimeAxis labels from seconds per division
  std::function<void()> reallocateChartMemory;      // empty arrays sized from the paper length
};

// The trend recorder scaling window's actions: load, time increment, limits, rescale, close.
class GraphSetupActions {
 public:
  GraphSetupActions(GraphSetup& window, ScaleState& state, TimeScale& timeScale,
                    ChartScale& chartScale, GraphSetupLinks links);

  void Form_Load();
  void TimeIncrement_Click();
  void SecPerDiv_Change();
  void HistPaperLength_EditEnd();
  void ScreenClearCountMax_Change();
  void Rescale_Click();
  void Command1_Click();

 private:
  GraphSetup& window_;
  ScaleState& state_;
  TimeScale& timeScale_;
  ChartScale& chartScale_;
  GraphSetupLinks links_;
};

}  // namespace scaling
