#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/program.h"
#include "core/platform/local_file_system.h"
#include "doubles/fake_clock.h"
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
    program_ = std::make_unique<app::Program>(app::Platform{port_, chart_, clock_, dialogs_, *files_});
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

}  // namespace
