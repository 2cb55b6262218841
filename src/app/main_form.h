#pragma once

#include <array>
#include <memory>

#include "core/button.h"
#include "core/label.h"
#include "core/menu_item.h"
#include "core/text_box.h"
#include "core/window.h"

namespace app {

// LeakMainForm, the program's window: the chart's labels, the row of chart controls, the
// footer, the notice line and the menu tree. The chart surface itself is a drawing surface
// owned by the program.
class LeakMainForm : public core::Window {
 public:
  LeakMainForm();

  static constexpr const char* kTitle = "KM4400 Leak Detector Data Acquisition Software";

  std::array<std::unique_ptr<core::Label>, 11> Axis;     // value axis, Axis(0) at the bottom
  std::array<std::unique_ptr<core::Label>, 8> TimeAxis;  // time axis

  // The row under the chart, left to right.
  core::TextBox Text3{"Text3"};
  core::Button Command2{"Command2", "Reset Chart Position"};
  core::Button Command4{"Command4", "Clear Screen"};
  core::Button Stop_Command{"Stop_Command", "Start Plotting"};
  core::TextBox Text2{"Text2", "0"};
  core::TextBox NumberSecPerDiv{"NumberSecPerDiv"};
  core::Button Reset_Command{"Reset_Command", "Reset Time"};
  core::TextBox PlotFooter{"PlotFooter"};
  // A one-line notice of what happened to the serial port (could not open, lost, overrun).
  core::TextBox Notice{"Notice", "", true};
  // The serial link while plotting: packets per second and undecodable ones, or silence.
  core::TextBox LinkStatus{"LinkStatus", "", true};

  // Menu bar.
  core::MenuItem File{"File", "&File"};
  core::MenuItem OpenFile{"OpenFile", "&Open"};
  core::MenuItem Save{"Save", "&Save Test Data"};
  core::MenuItem Graph{"Graph", "&Graph File"};
  core::MenuItem Print{"Print", "&Print File"};
  core::MenuItem PrintPreview{"PrintPreview", "P&rint Preview"};
  core::MenuItem Exit{"Exit", "&Exit"};
  core::MenuItem ExportCsv{"ExportCsv", "Export Test as &CSV..."};

  core::MenuItem Trend{"Trend", "&Trend Recorder"};
  core::MenuItem ClearOnRollover{"Trend_Item(3)", "&Clear On Rollover"};
  core::MenuItem TrendSeparator{"Trend_Item(4)", core::MenuItem::kSeparator};
  core::MenuItem TestMethod{"Trend_Item(5)", "&Test Method Plotting"};
  std::array<std::unique_ptr<core::MenuItem>, 3> Trend_Screen_Item;
  core::MenuItem Select_Color{"Select_Color", core::MenuItem::kSeparator};
  core::MenuItem Select_Color_Item{"Select_Color_Item", "&Plot Colour Selection"};
  core::MenuItem AxesSeparator{"AxesSeparator", core::MenuItem::kSeparator};
  core::MenuItem Axis_Item{"Axis_Item", "&Properties"};

  core::MenuItem Setup{"Setup", "&Serial Comm Setup"};
  std::array<std::unique_ptr<core::MenuItem>, 2> Setup_Item;
  core::MenuItem SetupSeparator{"SetupSeparator", core::MenuItem::kSeparator};
  core::MenuItem PortDevices{"PortDevices", "Port &Devices..."};

  core::MenuItem Windows{"Windows", "&Windows"};
  core::MenuItem KM4400SetUpItem{"KM4400SetUpItem", "&KM4400 Set Up"};
  core::MenuItem KM4400Status{"KM4400Status", "KM4400 &Status"};
  core::MenuItem TestHistoryItem{"TestHistoryItem", "Test &History"};
  core::MenuItem Diagnostic{"Diagnostic", "&Diagnostics"};
  core::MenuItem AboutItem{"AboutItem", "&About"};

  // The top-level menus in the order of the menu bar.
  std::array<core::MenuItem*, 6> MenuBar() { return {&File, &Trend, &Setup, &Windows, &Diagnostic, &AboutItem}; }
};

}  // namespace app
