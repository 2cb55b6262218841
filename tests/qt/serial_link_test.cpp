// The whole program on a real serial port: packets written into a pseudo-terminal reach the
// live packet and the set-up and status windows; pulling the line mid-stream closes the port
// with a notice, and the program runs on without spinning; a device back at the same name
// is reopened by itself and plotting goes on.
#include <gtest/gtest.h>

#include <QSerialPort>
#include <QTemporaryDir>
#include <algorithm>
#include <ctime>
#include <filesystem>

#include "program_on_doubles.h"
#include "pty_line.h"
#include "qt/event_batches.h"
#include "qt/qt_serial_port.h"
#include "qt_test_support.h"
#include "sim/packet.h"

namespace {

double ProcessCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

class SerialLinkTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { qt_test::EnsureApplication(); }

  SerialLinkTest() {
    qtui::AfterEachBatch(context_, [this] { program().AfterEvents(); });
    program().Form_Load();
    program().PortDeviceAssignments().Assign(1, line_.Path());
  }

  app::Program& program() { return doubles_.program; }

  // A packet of a test in its read phase, its flow count telling one packet from another.
  static std::string Packet(int flowRateCount) {
    sim::PacketFields fields;
    fields.partNumber = 37;
    fields.mode = 'R';
    fields.testStatus = 'R';
    fields.flowRateCount = flowRateCount;
    fields.flowScaleCount = 300;
    return sim::FormatPacket(fields) + sim::kTerminator;
  }

  // Writes packets one at a time, as the instrument paces them, until `done` holds.
  bool StreamUntil(int& flow, const std::function<bool()>& done) {
    return StreamUntil(line_, flow, done);
  }
  bool StreamUntil(qt_test::PtyLine& line, int& flow, const std::function<bool()>& done) {
    for (int i = 0; i < 40 && !done(); ++i) {
      line.Write(Packet(++flow));
      int events = EventCount();
      qt_test::WaitFor([&] { return EventCount() > events; }, 1000);
    }
    return done();
  }

  int EventCount() { return std::stoi(program().serialForm.Text2.Text()); }

  qt_test::PtyLine line_;
  qtui::QtSerialPort port_{
      [this](int number) { return program().PortDeviceAssignments().DeviceFor(number); }};
  qt_test::ProgramOnDoubles doubles_{port_};
  QObject context_;
};

TEST_F(SerialLinkTest, StreamedPacketsReachTheWindowsAndALostLineClosesThePortQuietly) {
  program().mainForm.Stop_Command.Click();
  ASSERT_TRUE(port_.PortOpen()) << program().mainForm.Notice.Text();
  ASSERT_EQ(program().mainForm.Stop_Command.Caption(), "Stop Plotting");

  int flow = 500;
  ASSERT_TRUE(StreamUntil(flow, [&] { return program().status.Text5.Text() != ""; }));
  int shown = std::stoi(program().status.Text5.Text());
  EXPECT_GT(shown, 500);
  EXPECT_LE(shown, flow);
  EXPECT_EQ(program().livePacket.FlowRateCount, program().status.Text5.Text());
  EXPECT_EQ(program().livePacket.PartNumber, "37");
  EXPECT_EQ(program().setup.PartNumber.Text(), "37");
  EXPECT_EQ(program().status.Text1.Text(), "R");
  EXPECT_EQ(std::stoi(program().status.Text6.Text()), 300);

  // The cable comes out while the instrument is still sending.
  line_.Write(Packet(++flow).substr(0, 30));
  line_.Hangup();
  ASSERT_TRUE(qt_test::WaitFor([&] { return !port_.PortOpen(); }));
  EXPECT_EQ(
      program().mainForm.Notice.Text().rfind("Comm Port 1 (" + line_.Path() + ") was lost at ", 0),
      0u)
      << program().mainForm.Notice.Text();
  EXPECT_FALSE(program().Ended());

  int errors = 0;
  QObject::connect(
      port_.findChild<QSerialPort*>(), &QSerialPort::errorOccurred,
      [&errors](QSerialPort::SerialPortError error) { errors += error != QSerialPort::NoError; });
  int events = EventCount();
  double cpuBefore = ProcessCpuSeconds();
  qt_test::Spin(200);
  EXPECT_LT(ProcessCpuSeconds() - cpuBefore, 0.1) << "the event loop spins after the line was lost";
  EXPECT_EQ(errors, 0);
  EXPECT_EQ(EventCount(), events);

  // The program goes on: the button still answers the operator.
  program().mainForm.Stop_Command.Click();
  EXPECT_EQ(program().mainForm.Stop_Command.Caption(), "Start Plotting");
}

// Two pseudo-terminals behind one link stand for an adapter pulled out and plugged in again.
TEST_F(SerialLinkTest, ADeviceBackAtItsNameIsReopenedAndPlottingGoesOn) {
  QTemporaryDir links;
  std::filesystem::path link = links.filePath("instrument").toStdString();
  std::filesystem::create_symlink(line_.Path(), link);
  program().PortDeviceAssignments().Assign(1, link.string());
  program().mainForm.Stop_Command.Click();
  ASSERT_TRUE(port_.PortOpen()) << program().mainForm.Notice.Text();

  int flow = 500;
  const trend::ChartMemory& memory = program().chartMemory;
  ASSERT_TRUE(StreamUntil(flow, [&] { return memory.ChartIndex >= 3; }));
  std::vector<std::int16_t> before(memory.ChartY.begin(),
                                   memory.ChartY.begin() + memory.ChartIndex);

  line_.Hangup();
  ASSERT_TRUE(qt_test::WaitFor([&] { return !port_.PortOpen(); }));
  std::string lost = program().mainForm.Notice.Text();
  EXPECT_EQ(lost.rfind("Comm Port 1 (" + link.string() + ") was lost at ", 0), 0u) << lost;
  EXPECT_EQ(program().mainForm.Stop_Command.Caption(), "Stop Plotting");
  // The name goes with the device, as a USB adapter's node does.
  std::filesystem::remove(link);
  qt_test::Spin(3 * qtui::QtSerialPort::kDeviceLookMs);
  EXPECT_FALSE(port_.PortOpen()) << "reopened a device that is gone";

  qt_test::PtyLine replugged;
  std::filesystem::create_symlink(replugged.Path(), link);
  ASSERT_TRUE(qt_test::WaitFor([&] { return port_.PortOpen(); }, 3000))
      << program().mainForm.Notice.Text();
  std::string back = program().mainForm.Notice.Text();
  EXPECT_EQ(back.rfind("Comm Port 1 (" + link.string() + ") is back: reopened at ", 0), 0u) << back;
  EXPECT_NE(back.find(", plotting goes on"), std::string::npos) << back;

  int plotted = memory.ChartIndex;
  ASSERT_TRUE(StreamUntil(replugged, flow, [&] { return memory.ChartIndex > plotted; }));
  EXPECT_TRUE(std::equal(before.begin(), before.end(), memory.ChartY.begin()))
      << "points plotted before the loss were lost";
  EXPECT_EQ(program().mainForm.Stop_Command.Caption(), "Stop Plotting");
}

}  // namespace
