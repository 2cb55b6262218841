#include "app/configuration.h"
#include "app/program.h"
#include "core/guard.h"
#include "core/numbers.h"

namespace app {
namespace {
// A box value as written to the file; one too large to read as a number is written as 0.
double Written(const std::string& text) {
  double value = 0;
  core::Guarded([&] { value = core::NumericValue(text); });
  return value;
}
}  // namespace

void Program::Exit_Click() { Shutdown(); }

void Program::Form_Unload() { Shutdown(); }

// Both ways out end a graphing that runs, write the same configuration once, then end the
// program.
void Program::Shutdown() {
  if (ended_) return;
  grapher_.EndGraphing();
  history_.StopPlant();
  ConfigurationOut out;
  for (int i = 0; i < 3 && out.trendMode == 0; ++i) {
    if (mainForm.Trend_Screen_Item[static_cast<std::size_t>(i)]->Checked()) out.trendMode = i + 1;
  }
  out.port = mainForm.Setup_Item[0]->Checked() ? 1 : mainForm.Setup_Item[1]->Checked() ? 2 : 0;
  platform_.files.ChangeDir(startDir_);
  out.fullScaleFlow = Written(setup.MaximumFlow.Text());
  out.clearCount = Written(graphSetup.ScreenClearCountMax.Text());
  out.leakLimit = graphSetup.LeakLimitCheckBox.Value();
  for (std::size_t i = 0; i < out.colours.size(); ++i) {
    out.colours[i] = Written(penColour.ColourSelect[i]->Text());
  }
  std::string path = startDir_ + platform_.files.Separator() + Configuration::kFileName;
  core::FileResult written = platform_.files.WriteFileReplacing(path, out.Format());
  if (!written) {
    platform_.dialogs.MessageBox("The settings could not be saved to " + path + ": " + written.message +
                                 ". The previous settings file is unchanged.");
  }
  ended_ = true;
  if (platform_.port.PortOpen()) platform_.port.SetPortOpen(false);
  if (onEnd_) onEnd_();
}

}  // namespace app
