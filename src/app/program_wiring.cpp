#include "acquisition/port_devices.h"
#include "app/program.h"

namespace app {

void Program::WireWindows() {
  saver_.OnSaved([this](const std::string& path, const std::string& contents) {
    std::string problem = historyActions_.Recorded(path, contents);
    if (!problem.empty()) {
      mainForm.Notice.SetText(path + " is saved; the test history could not take it: " + problem + ".");
    }
  });
  mainForm.Stop_Command.OnClick([this] { receivePath_->Stop_Command_Click(); });
  mainForm.Command2.OnClick([this] { trendControls_->Command2_Click(); });
  mainForm.Command4.OnClick([this] { trendControls_->Command4_Click(); });
  mainForm.Reset_Command.OnClick([this] { trendControls_->Reset_Command_Click(); });
}

void Program::WireMenus() {
  for (int i = 0; i < 2; ++i) {
    mainForm.Setup_Item[static_cast<std::size_t>(i)]->OnClick([this, i] { receivePath_->Setup_Item_Click(i); });
  }
  mainForm.ClearOnRollover.OnClick([this] { ToggleClearOnRollover(); });
  mainForm.Select_Color_Item.OnClick([this] { penColour.Show(); });
  mainForm.Axis_Item.OnClick([this] { graphSetup.Show(); });
  mainForm.KM4400SetUpItem.OnClick([this] { setup.Show(); });
  mainForm.KM4400Status.OnClick([this] { status.Show(); });
  mainForm.TestHistoryItem.OnClick([this] { historyActions_.Show_Click(); });
  mainForm.Diagnostic.OnClick([this] { serialForm.Show(); });
  mainForm.AboutItem.OnClick([this] { about.Show(); });
  mainForm.OpenFile.OnClick([this] { loadForm.Show(); });
  mainForm.Save.OnClick([this] { saver_.Save_Click(); });
  mainForm.ExportCsv.OnClick([this] { csvExporter_.ExportCsv_Click(); });
  mainForm.Graph.OnClick([this] { grapher_.Graph_Click(); });
  mainForm.Print.OnClick([this] { printedReport_.Print_Click(); });
  mainForm.PrintPreview.OnClick([this] { printPreview_.PrintPreview_Click(); });
  mainForm.Exit.OnClick([this] { Exit_Click(); });
}

// The operator switches the rollover clear by choosing the item; plotting reads the check mark.
void Program::ToggleClearOnRollover() { mainForm.ClearOnRollover.SetChecked(!mainForm.ClearOnRollover.Checked()); }

void Program::LoadPortDevices() {
  auto text = platform_.files.ReadFile(startDir_ + platform_.files.Separator() + acquisition::PortDevices::kFileName);
  if (text) portDevices_ = acquisition::PortDevices::Parse(*text);
}

void Program::SavePortDevices() {
  std::string path = startDir_ + platform_.files.Separator() + acquisition::PortDevices::kFileName;
  core::FileResult written = platform_.files.WriteFileReplacing(path, portDevices_.Format());
  if (!written) platform_.dialogs.MessageBox("The port devices could not be saved to " + path + ": " + written.message);
}

}  // namespace app
