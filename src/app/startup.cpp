#include "app/configuration.h"
#include "app/program.h"
#include "core/guard.h"
#include "core/numbers.h"
#include "records/leak_folder.h"

namespace app {

// Start-up, in order. From the working directory on every step is guarded: a failing step is
// passed over and the next one runs.
void Program::Form_Load() {
  graphSetup.EnsureLoaded();
  AllocateChartMemory();

  core::Guarded([&] { startDir_ = platform_.files.CurrentDir(); });
  Configuration config;
  core::Guarded([&] {
    std::string path = startDir_ + platform_.files.Separator() + Configuration::kFileName;
    auto text = platform_.files.ReadFile(path);
    if (text) {
      config = Configuration::Parse(*text);
    } else if (platform_.files.PathExists(path)) {
      platform_.dialogs.MessageBox(records::LeakFolder::kAccessError);
    }
    setup.EnsureLoaded();
    penColour.EnsureLoaded();
    ApplyConfiguration(config);
  });
  core::Guarded([&] { WriteFlowLabels(); });
  plotState.GraphingStoredFile = false;
  core::Guarded([&] {
    LoadPortDevices();
    receivePath_->SetUpPort(config.port);
  });
  core::Guarded([&] {
    loadForm.EnsureLoaded();
    records::LeakFolder(platform_.files, platform_.dialogs, loadForm)
        .MakeLeakFolderCurrent(records::LeakFolder::kStartUpTitle);
  });
  core::Guarded([&] { loadForm.Dir1.SetText(platform_.files.CurrentDir()); });
  scaleState.TimeMultiplier = 1;
  core::Guarded([&] { chartScale_.CalcChartLimits(); });
  core::Guarded([&] {
    graphSetup.HistMaxValue.SetText("4095");
    graphSetup.HistMinValue.SetText("0");
  });
  scaleState.TimeMultiplier = 1;
  core::Guarded([&] { platform_.chart.SetVisible(true); });
  core::Guarded([&] { canvas_.SetChartScale(); });
  // Beside the port devices, never in the configuration file, whose format stays as it is.
  historyActions_.StartPlant(startDir_);
  mainForm.Show();
}

// Each value goes into the window that owns it; a value the box cannot take is passed over.
void Program::ApplyConfiguration(const Configuration& config) {
  core::Guarded([&] { setup.MaximumFlow.SetText(core::SingleText(config.fullScaleFlow)); });
  core::Guarded([&] { graphSetup.ScreenClearCountMax.SetText(core::NumberText(config.clearCount)); });
  core::Guarded([&] {
    if (config.leakLimit < 0 || config.leakLimit > 2) throw core::StepFailure("check box value");
    graphSetup.LeakLimitCheckBox.SetValue(config.leakLimit);
  });
  for (int i = 0; i < 8; ++i) {
    penColour.ColourSelect[static_cast<std::size_t>(i)]->SetText(config.colours[static_cast<std::size_t>(i)]);
  }
  if (config.trendMode >= 1 && config.trendMode <= 3) {
    for (int i = 0; i < 3; ++i) {
      mainForm.Trend_Screen_Item[static_cast<std::size_t>(i)]->SetChecked(i == config.trendMode - 1);
    }
  }
}

}  // namespace app
