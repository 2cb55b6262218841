// The simulator's line faults at their highest probabilities, through a real serial port:
// the program runs on, keeps the port open and handles every event, and the status window's
// number boxes only ever show number texts. bench/serial_faults does the same for a minute.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "program_on_doubles.h"
#include "pty_line.h"
#include "qt/event_batches.h"
#include "qt/qt_serial_port.h"
#include "qt_test_support.h"
#include "sim/simulator.h"

namespace {

class SerialFaultsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { qt_test::EnsureApplication(); }

  SerialFaultsTest() {
    qtui::AfterEachBatch(context_, [this] {
      program().AfterEvents();
      CheckStatusWindow();
    });
    program().Form_Load();
    program().PortDeviceAssignments().Assign(1, line_.Path());
  }

  app::Program& program() { return doubles_.program; }

  void CheckStatusWindow() {
    static const std::regex number("-?[0-9]+(\\.[0-9]+)?");
    const auto& s = program().status;
    for (const core::TextBox* box : {&s.Text5, &s.Text6, &s.Text7}) {
      if (!box->Text().empty() && !std::regex_match(box->Text(), number))
        bad_.push_back(box->Text());
    }
    for (const core::TextBox* box : {&s.Text1, &s.Text2, &s.Text3}) {
      if (box->Text().size() > 1) bad_.push_back(box->Text());
    }
  }

  qt_test::PtyLine line_;
  qtui::QtSerialPort port_{
      [this](int number) { return program().PortDeviceAssignments().DeviceFor(number); }};
  qt_test::ProgramOnDoubles doubles_{port_};
  QObject context_;
  std::vector<std::string> bad_;
};

TEST_F(SerialFaultsTest, EveryFaultAtOnceLeavesTheProgramRunningOnWholeNumbers) {
  sim::SimOptions options;
  options.faults = {1.0, 1.0, 1.0, 10};
  sim::Simulator simulator(options);
  program().mainForm.Stop_Command.Click();
  ASSERT_TRUE(port_.PortOpen()) << program().mainForm.Notice.Text();

  int events = std::stoi(program().serialForm.Text2.Text());
  for (int slot = 0; slot < 150; ++slot) {
    for (const std::string& write : simulator.NextBatch(10).writes) {
      line_.Write(write);
      qt_test::Spin(2);
    }
  }
  qt_test::Spin(100);
  EXPECT_TRUE(port_.PortOpen()) << program().mainForm.Notice.Text();
  EXPECT_FALSE(program().Ended());
  EXPECT_GT(std::stoi(program().serialForm.Text2.Text()) - events, 20);
  EXPECT_TRUE(bad_.empty()) << bad_.size()
                            << " values shown that were not decoded, first: " << bad_.front();
}

}  // namespace
