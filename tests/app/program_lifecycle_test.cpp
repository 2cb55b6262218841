#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/program.h"
#include "core/platform/local_file_system.h"
#include "doubles/fake_clock.h"
#include "doubles/recording_printer.h"
#include "doubles/recording_surface.h"
#include "doubles/scripted_dialogs.h"
#include "doubles/scripted_serial_port.h"

namespace {
namespace fs = std::filesystem;

// A program on test doubles in a temporary folder: <tmp>/start is the start folder,
// <tmp>/home stands in for "C:\" and <tmp>/home/Leak for "C:\Leak".
class ProgramLifecycle : public testing::Test {
 protected:
  ProgramLifecycle() {
    root_ = fs::temp_directory_path() / ("km-lifecycle-" + std::to_string(::getpid()) + "-" +
                                         testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "start");
    fs::create_directories(root_ / "home" / "Leak");
    files_ = std::make_unique<core::LocalFileSystem>((root_ / "start").string(), (root_ / "home").string());
    program_ = std::make_unique<app::Program>(app::Platform{port_, chart_, clock_, dialogs_, *files_, picture_, printer_});
  }
  ~ProgramLifecycle() override { fs::remove_all(root_); }

  void WriteConfig(const std::string& text) { std::ofstream(root_ / "start" / "testconfig.txt", std::ios::binary) << text; }
  std::string ReadConfig() const {
    std::ifstream in(root_ / "start" / "testconfig.txt", std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  fs::path root_;
  doubles::ScriptedSerialPort port_;
  doubles::RecordingSurface chart_;
  doubles::RecordingSurface picture_{777, 465};
  doubles::RecordingPrinter printer_;
  doubles::FakeClock clock_;
  doubles::ScriptedDialogs dialogs_;
  std::unique_ptr<core::LocalFileSystem> files_;
  std::unique_ptr<app::Program> program_;
};

TEST_F(ProgramLifecycle, FirstStartWithoutConfigurationAndExitWritesTheDefaults) {
  program_->Form_Load();
  EXPECT_TRUE(dialogs_.Messages().empty());
  EXPECT_EQ(program_->setup.MaximumFlow.Text(), "0");
  EXPECT_EQ(program_->graphSetup.ScreenClearCountMax.Text(), "1");
  EXPECT_EQ(program_->mainForm.Axis[10]->Caption(), "0");
  EXPECT_EQ(files_->CurrentDir(), (root_ / "home" / "Leak").string());
  EXPECT_EQ(program_->mainForm.Stop_Command.Caption(), "Start Plotting");
  EXPECT_FALSE(port_.PortOpen());

  program_->Exit_Click();
  EXPECT_TRUE(program_->Ended());
  EXPECT_EQ(ReadConfig(), "3,0,1,1,0\r\n0,0,0,0,0,0,0,0\r\n");
}

TEST_F(ProgramLifecycle, ConfigurationRoundTripsAndExitAndCloseWriteOnce) {
  WriteConfig("1,25,3,2,1\r\n1,2,3,4,5,6,7,8\r\n");
  program_->Form_Load();
  EXPECT_EQ(program_->setup.MaximumFlow.Text(), "25");
  EXPECT_EQ(program_->mainForm.Axis[1]->Caption(), "2.5");
  EXPECT_TRUE(program_->mainForm.Trend_Screen_Item[0]->Checked());
  EXPECT_FALSE(program_->mainForm.Trend_Screen_Item[2]->Checked());
  EXPECT_TRUE(program_->mainForm.Setup_Item[1]->Checked());
  EXPECT_EQ(port_.PortNumber(), 2);
  program_->Exit_Click();
  WriteConfig("changed");
  program_->Form_Unload();  // the window closing after Exit writes nothing more
  EXPECT_EQ(ReadConfig(), "changed");
}

TEST_F(ProgramLifecycle, MissingLeakFolderAsksForOneAndCancelUsesTheRootStandIn) {
  fs::remove_all(root_ / "home" / "Leak");
  dialogs_.QueueCancel();
  program_->Form_Load();
  ASSERT_EQ(dialogs_.Prompts().size(), 1u);
  EXPECT_EQ(dialogs_.Prompts()[0].prompt,
            "Path " + (root_ / "home" / "Leak").string() + " not found. Enter new path to create");
  EXPECT_EQ(dialogs_.Prompts()[0].title, "Path Where KM4400 Leak Files Will Be Saved");
  EXPECT_EQ(files_->CurrentDir(), (root_ / "home").string());
  EXPECT_EQ(program_->loadForm.SelectedPath.Text(), (root_ / "home").string());
  EXPECT_EQ(program_->loadForm.Dir1.Text(), (root_ / "home").string());
}

TEST_F(ProgramLifecycle, AFolderThatCannotBeCreatedIsReportedAndTheRootStandInUsed) {
  fs::remove_all(root_ / "home" / "Leak");
  dialogs_.QueueAnswer((root_ / "no" / "such" / "parent").string());
  program_->Form_Load();
  ASSERT_EQ(dialogs_.Messages().size(), 1u);
  EXPECT_NE(dialogs_.Messages()[0].find("could not be created"), std::string::npos);
  EXPECT_EQ(files_->CurrentDir(), (root_ / "home").string());
}

TEST_F(ProgramLifecycle, AFailedConfigurationWriteKeepsTheOldFileAndSaysSo) {
  WriteConfig("1,25,3,2,1\r\n1,2,3,4,5,6,7,8\r\n");
  program_->Form_Load();
  // A folder in the way of the temporary file makes the write fail half way.
  fs::create_directories(root_ / "start" / "testconfig.txt.part");
  program_->Exit_Click();
  EXPECT_TRUE(program_->Ended());
  ASSERT_EQ(dialogs_.Messages().size(), 1u);
  EXPECT_NE(dialogs_.Messages()[0].find("could not be saved"), std::string::npos);
  EXPECT_EQ(ReadConfig(), "1,25,3,2,1\r\n1,2,3,4,5,6,7,8\r\n");
}

}  // namespace

// A configuration path that is there but cannot be read as a file is an access error, never
// taken for a first start; the program goes on with the defaults either way.
TEST_F(ProgramLifecycle, AConfigurationThatCannotBeReadIsAnAccessError) {
  fs::create_directory(root_ / "start" / "testconfig.txt");
  program_->Form_Load();
  EXPECT_EQ(dialogs_.Messages(), std::vector<std::string>{"Path / File access error."});
  EXPECT_EQ(program_->setup.MaximumFlow.Text(), "0");
  EXPECT_EQ(program_->mainForm.Stop_Command.Caption(), "Start Plotting");
}

// The diagnostics window loads when it is first shown, so it shows the full scale flow of then.
TEST_F(ProgramLifecycle, DiagnosticsShowTheFullScaleFlowOfWhenTheyAreFirstOpened) {
  WriteConfig("3,25,1,1,0\r\n0,0,0,0,0,0,0,0\r\n");
  program_->Form_Load();
  program_->mainForm.KM4400SetUpItem.Click();
  program_->setup.MaximumFlow.SetText("40");
  program_->setup.Command1.Click();
  program_->mainForm.Diagnostic.Click();
  EXPECT_EQ(program_->serialForm.SetUpMaximumFlow.Text(), "40");
}

// The configuration scripts/run.sh gives a new demo folder: the simulator's full scale flow,
// eight overlaid tests in distinct colours, automatic retriggering and the leak-limit line.
TEST_F(ProgramLifecycle, TheDemoConfigurationMatchesTheSimulator) {
  std::ifstream demo(KM_DEMO_CONFIG, std::ios::binary);
  ASSERT_TRUE(demo) << KM_DEMO_CONFIG;
  std::stringstream text;
  text << demo.rdbuf();
  WriteConfig(text.str());
  program_->Form_Load();
  EXPECT_TRUE(dialogs_.Messages().empty());
  EXPECT_EQ(program_->setup.MaximumFlow.Text(), "10");
  for (int i = 0; i <= 10; ++i)
    EXPECT_EQ(program_->mainForm.Axis[static_cast<std::size_t>(i)]->Caption(), std::to_string(i));
  EXPECT_EQ(program_->graphSetup.ScreenClearCountMax.Text(), "8");
  EXPECT_EQ(program_->graphSetup.LeakLimitCheckBox.Value(), 1);
  EXPECT_TRUE(program_->mainForm.Trend_Screen_Item[2]->Checked());
  EXPECT_TRUE(program_->mainForm.Setup_Item[0]->Checked());
  std::set<std::string> colours;
  for (const auto& box : program_->penColour.ColourSelect) colours.insert(box->Text());
  EXPECT_EQ(colours.size(), 8U) << "every overlaid test in a colour of its own";
  EXPECT_EQ(colours.count("7") + colours.count("8"), 0U) << "grey vanishes on the grey grid";
}

TEST_F(ProgramLifecycle, LinkStatisticsFollowTheReceivePathFromEachStart) {
  program_->Form_Load();
  const std::string packet = "\x02" + std::string(66, '0');
  auto deliver = [&](const std::string& bytes) {
    clock_.Advance(0.1);
    port_.Deliver(bytes);
  };
  deliver("noise");  // before any start: the port is closed and reads nothing
  program_->mainForm.Stop_Command.Click();
  for (int i = 0; i < 20; ++i) deliver(packet);
  deliver("noise");
  deliver("more noise");
  clock_.Advance(0.05);  // the last two seconds hold 18 of the packets
  program_->RefreshLinkStatistics();
  EXPECT_EQ(program_->mainForm.LinkStatus.Text(),
            "9.0 packets/s, 1 without STX, 0 too short to decode");
  EXPECT_EQ(program_->serialForm.PacketsWithoutStx.Text(), "1");

  clock_.Advance(3);
  program_->RefreshLinkStatistics();
  EXPECT_EQ(program_->mainForm.LinkStatus.Text(), "No data from Comm Port 1 for 3 s");

  program_->mainForm.Stop_Command.Click();  // stop
  program_->RefreshLinkStatistics();
  EXPECT_EQ(program_->mainForm.LinkStatus.Text(), "");
  program_->mainForm.Stop_Command.Click();  // a new start counts from zero
  program_->RefreshLinkStatistics();
  EXPECT_EQ(program_->mainForm.LinkStatus.Text(),
            "0.0 packets/s, 0 without STX, 0 too short to decode");
}
