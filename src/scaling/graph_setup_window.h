#pragma once

#include "core/button.h"
#include "core/check_box.h"
#include "core/text_box.h"
#include "core/window.h"

namespace scaling {

// GraphSetup, "Trend Recorder Scaling": the trend recorder's settings (TrendSettings), read and
// written by much of the program whether or not the window is shown.
class GraphSetup : public core::Window {
 public:
  GraphSetup();

  static constexpr const char* kPropertiesFrame = "Trend Recorder Properties";
  static constexpr const char* kScalingFrame = "KM4400 Scaling Data For Y Axis";
  static constexpr const char* kLeakLimitFrame = "Leak Limit Plot Selection";

  core::TextBox HistMaxValue{"HistMaxValue", ""};
  core::TextBox FlowZeroYaxisValue{"FlowZeroYaxisValue", "5"};
  core::TextBox HistMinValue{"HistMinValue", ""};
  core::TextBox HistPaperLength{"HistPaperLength", "770"};
  core::TextBox SecPerDiv{"SecPerDiv", "1.6"};
  core::Button TimeIncrement{"TimeIncrement", "X1"};
  core::TextBox DivisionsDisplayed{"DivisionsDisplayed", ""};
  core::TextBox TotalTimeDisplayed{"TotalTimeDisplayed", ""};
  core::TextBox ScreenClearCountMax{"ScreenClearCountMax", "8"};
  core::TextBox FlowScaleFact{"FlowScaleFact", "257"};
  core::TextBox FlowZero{"FlowZero", "490"};
  core::CheckBox LeakLimitCheckBox{"LeakLimitCheckBox", "Check To Plot Leak Limit", 1};
  core::Button Rescale{"Rescale", "Rescale"};
  core::Button Command1{"Command1", "Close"};

  // Labels beside the boxes, in the window's order from the top.
  core::CaptionBox HistMaxLabel{"HistMaxLabel", "Maximum (100%)"};
  core::CaptionBox FlowZeroYaxisLabel{"FlowZeroYaxisLabel", "Flow Zero Y Axis Value (0%)"};
  core::CaptionBox HistMinLabel{"HistMinLabel", "Minimum (-20%)"};
  core::CaptionBox PaperLengthLabel{"PaperLengthLabel", "Paper Length (770)"};
  core::CaptionBox SecPerDivLabel{"SecPerDivLabel", "Seconds Per Division"};
  core::CaptionBox DivisionsLabel{"DivisionsLabel", "Number of Displayed Time Divisions"};
  core::CaptionBox TotalTimeLabel{"TotalTimeLabel", "Total Time Displayed"};
  core::CaptionBox ClearCountLabel{"ClearCountLabel", "Maximum Plots Before Screen Clears ( 1 to 8)"};
  core::CaptionBox FlowScaleFactLabel{"FlowScaleFactLabel", "Flow Scale Factor"};
  core::CaptionBox FlowZeroLabel{"FlowZeroLabel", "Flow Zero (raw counts)"};
};

}  // namespace scaling
