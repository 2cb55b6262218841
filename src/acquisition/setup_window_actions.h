#pragma once

#include <functional>

#include "acquisition/setup_window.h"
#include "acquisition/status_window.h"
#include "core/text_box.h"

namespace acquisition {

// What the set-up window's Close reaches outside its window.
struct SetupWindowLinks {
  std::function<void()> writeFlowLabels;  // the value-axis labels from MaximumFlow
  std::function<void()> rescale;          // GraphSetup.Rescale_Click
  core::TextBox& setUpMaximumFlow;        // SerialForm.SetUpMaximumFlow
};

// The actions of the set-up and status windows: the full-scale limit, Close and Cancel.
class SetupWindowActions {
 public:
  SetupWindowActions(KM4400SetUp& setup, StatusForm& status, SetupWindowLinks links);

  void MaximumFlow_Change();
  void CmdKM4400Setup_Click();
  void Command1_Click();        // set-up window's Cancel
  void StatusCommand1_Click();  // status window's Close

 private:
  KM4400SetUp& setup_;
  StatusForm& status_;
  SetupWindowLinks links_;
};

}  // namespace acquisition
