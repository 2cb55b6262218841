#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/platform/dialogs.h"
#include "core/platform/file_system.h"
#include "core/text_box.h"
#include "history/control_chart_window.h"
#include "history/test_index_row.h"

namespace history {

// The "Control Chart" window's behaviour: a part's chart from the tests it is given, a click
// on a point handed on to graphing, and the picture saved where the operator says.
class ControlChartActions {
 public:
  ControlChartActions(ControlChartWindow& window, core::Dialogs& dialogs, core::FileSystem& files,
                      core::TextBox& notice, std::function<void(const ChartPoint&)> graphPoint);

  // Shows the chart of the part from its tests; those without a read phase are left out.
  void Show(double partNumber, const std::vector<const TestIndexRow*>& tests);

 private:
  void SavePicture(const std::string& format);

  ControlChartWindow& window_;
  core::Dialogs& dialogs_;
  core::FileSystem& files_;
  core::TextBox& notice_;
};

}  // namespace history
