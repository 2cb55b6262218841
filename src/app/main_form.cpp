#include "app/main_form.h"

#include "core/numbers.h"
#include "core/rgb.h"

namespace app {

LeakMainForm::LeakMainForm() : Window("LeakMainForm", kTitle) {
  for (int i = 0; i < 11; ++i) {
    Axis[static_cast<std::size_t>(i)] = std::make_unique<core::Label>(core::Indexed("Axis", i), std::to_string(i * 10));
    Register(*Axis[static_cast<std::size_t>(i)]);
  }
  for (int i = 0; i < 8; ++i) {
    TimeAxis[static_cast<std::size_t>(i)] =
        std::make_unique<core::Label>(core::Indexed("TimeAxis", i), std::to_string(i * 10));
    Register(*TimeAxis[static_cast<std::size_t>(i)]);
  }
  const char* modes[3] = {"C&ontinuous", "Single Test T&riggering by KM4400",
                          "&Automatic Test Retriggering by KM4400"};
  for (int i = 0; i < 3; ++i) {
    Trend_Screen_Item[static_cast<std::size_t>(i)] =
        std::make_unique<core::MenuItem>(core::Indexed("Trend_Screen_Item", i), modes[i], i == 2);
    Register(*Trend_Screen_Item[static_cast<std::size_t>(i)]);
    TestMethod.Add(*Trend_Screen_Item[static_cast<std::size_t>(i)]);
  }
  const char* ports[2] = {"Comm Port&1", "Comm Port&2"};
  for (int i = 0; i < 2; ++i) {
    Setup_Item[static_cast<std::size_t>(i)] =
        std::make_unique<core::MenuItem>(core::Indexed("Setup_Item", i), ports[i], i == 0);
    Register(*Setup_Item[static_cast<std::size_t>(i)]);
    Setup.Add(*Setup_Item[static_cast<std::size_t>(i)]);
  }
  Setup.Add(SetupSeparator);
  Setup.Add(PortDevices);

  for (core::MenuItem* item : {&OpenFile, &Save, &Graph, &Print, &PrintPreview, &Exit, &ExportCsv}) File.Add(*item);
  for (core::MenuItem* item : {&ClearOnRollover, &TrendSeparator, &TestMethod, &Select_Color,
                               &Select_Color_Item, &AxesSeparator, &Axis_Item}) {
    Trend.Add(*item);
  }
  Windows.Add(KM4400SetUpItem);
  Windows.Add(KM4400Status);
  Windows.Add(TestHistoryItem);

  RegisterAll(Text3, Command2, Command4, Stop_Command, Text2, NumberSecPerDiv, Reset_Command,
              PlotFooter, Notice, LinkStatus, File, OpenFile, Save, Graph, Print, PrintPreview,
              Exit, ExportCsv, Trend, ClearOnRollover, TrendSeparator, TestMethod, Select_Color,
              Select_Color_Item, AxesSeparator, Axis_Item, Setup, SetupSeparator, PortDevices,
              Windows, KM4400SetUpItem, KM4400Status, TestHistoryItem, Diagnostic, AboutItem);

  Text3.SetToolTip("Current Position, where maximum Page Position is 770");
  Command2.SetToolTip("Set the position to 0");
  Command4.SetToolTip("Clear the trend screen");
  Stop_Command.SetToolTip("When green, plotting has stopped, when red plotting has started");
  Stop_Command.SetBackColour(core::MakeRgb(192, 255, 192));
  Text2.SetToolTip("Real Time (secs)");
  NumberSecPerDiv.SetToolTip("Number of Seconds Per Division");
  Reset_Command.SetToolTip("Reset the real time to 0 secs");
}

}  // namespace app
