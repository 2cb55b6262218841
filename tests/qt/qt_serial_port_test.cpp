// The serial port over a pseudo-terminal: line settings, the receive threshold, what closing
// discards, and what a failed open and a lost device leave behind.
#include "qt/qt_serial_port.h"

#include <gtest/gtest.h>

#include <QSerialPort>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <map>
#include <vector>

#include "pty_line.h"
#include "qt_test_support.h"

namespace {

class QtSerialPortTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { qt_test::EnsureApplication(); }

  QtSerialPortTest() : port_([this](int number) { return devices_[number]; }) {
    devices_[1] = line_.Path();
    port_.OnComm([this] { ++events_; });
    port_.OnNotice([this](const std::string& notice) { notices_.push_back(notice); });
    port_.OnLost([this](const std::string& reason) { losses_.push_back(reason); });
    port_.OnDeviceBack([this] { ++backs_; });
  }

  void LoseOrFail() {
    OpenOrFail();
    line_.Hangup();
    ASSERT_TRUE(qt_test::WaitFor([&] { return !port_.PortOpen(); }));
  }

  QSerialPort& Serial() { return *port_.findChild<QSerialPort*>(); }

  void OpenOrFail() {
    port_.SetPortOpen(true);
    ASSERT_TRUE(port_.PortOpen()) << (notices_.empty() ? "" : notices_.back());
  }

  qt_test::PtyLine line_;
  std::map<int, std::string> devices_;
  qtui::QtSerialPort port_;
  int events_ = 0;
  std::vector<std::string> notices_;
  std::vector<std::string> losses_;
  int backs_ = 0;
};

TEST_F(QtSerialPortTest, OpensWithTheLineSettingsAndTakesOnlyValidNewOnes) {
  port_.SetSettings("9600,N,8,1");
  OpenOrFail();
  EXPECT_EQ(Serial().baudRate(), 9600);
  EXPECT_EQ(Serial().parity(), QSerialPort::NoParity);
  EXPECT_EQ(Serial().dataBits(), QSerialPort::Data8);
  EXPECT_EQ(Serial().stopBits(), QSerialPort::OneStop);

  port_.SetSettings("4800,N,8,1");
  EXPECT_EQ(Serial().baudRate(), 4800);
  port_.SetSettings("fast,N,8,1");
  port_.SetSettings("9600,Q,8,1");
  EXPECT_EQ(port_.Settings(), "4800,N,8,1");
  EXPECT_EQ(Serial().baudRate(), 4800);
  EXPECT_TRUE(notices_.empty());
}

// A pseudo-terminal carries 8 data bits without parity only, so it refuses 7 bits with parity.
TEST_F(QtSerialPortTest, ADeviceThatRefusesTheLineSettingsIsClosedWithANotice) {
  port_.SetSettings("9600,E,7,1");
  port_.SetPortOpen(true);
  EXPECT_FALSE(port_.PortOpen());
  ASSERT_EQ(notices_.size(), 1u);
  EXPECT_EQ(
      notices_[0].rfind("Comm Port 1 (" + line_.Path() + ") could not be set to 9600,E,7,1: ", 0),
      0u)
      << notices_[0];
}

TEST_F(QtSerialPortTest, RaisesTheCommEventOnlyOnceAPacketsWorthIsWaiting) {
  OpenOrFail();
  line_.Write(std::string(30, 'a'));
  ASSERT_TRUE(qt_test::WaitFor([&] { return port_.InBufferCount() == 30; }));
  EXPECT_EQ(events_, 0);

  line_.Write(std::string(40, 'b'));
  ASSERT_TRUE(qt_test::WaitFor([&] { return events_ > 0; }));
  EXPECT_EQ(port_.InBufferCount(), 70);
  EXPECT_EQ(port_.Input(), std::string(30, 'a') + std::string(40, 'b'));
  EXPECT_EQ(port_.InBufferCount(), 0);
  EXPECT_EQ(port_.Input(), "");
}

TEST_F(QtSerialPortTest, ClosingDiscardsWhatWasNotRead) {
  OpenOrFail();
  line_.Write(std::string(50, 'x'));
  ASSERT_TRUE(qt_test::WaitFor([&] { return port_.InBufferCount() == 50; }));
  port_.SetPortOpen(false);
  EXPECT_FALSE(port_.PortOpen());
  EXPECT_EQ(port_.InBufferCount(), 0);
  EXPECT_EQ(port_.Input(), "");

  OpenOrFail();
  EXPECT_EQ(port_.Input(), "");
}

TEST_F(QtSerialPortTest, ThePortNumberChoosesTheDevice) {
  qt_test::PtyLine second;
  devices_[2] = second.Path();
  port_.SetPortNumber(2);
  EXPECT_EQ(port_.DeviceName(), second.Path());
  OpenOrFail();
  second.Write(std::string(qtui::QtSerialPort::kThreshold, 'z'));
  ASSERT_TRUE(qt_test::WaitFor([&] { return events_ > 0; }));
  EXPECT_EQ(port_.Input(), std::string(qtui::QtSerialPort::kThreshold, 'z'));
}

TEST_F(QtSerialPortTest, AFailedOpenLeavesThePortClosedAndSaysWhy) {
  devices_[1] = "/nonexistent/ttyKM";
  port_.SetPortOpen(true);
  EXPECT_FALSE(port_.PortOpen());
  ASSERT_EQ(notices_.size(), 1u);
  const std::string prefix = "Comm Port 1 (/nonexistent/ttyKM) could not be opened: ";
  EXPECT_EQ(notices_[0].rfind(prefix, 0), 0u) << notices_[0];
  EXPECT_GT(notices_[0].size(), prefix.size());
}

TEST_F(QtSerialPortTest, ALostDeviceClosesThePortOnceWithoutABusyLoop) {
  OpenOrFail();
  int errors = 0;
  QObject::connect(&Serial(), &QSerialPort::errorOccurred,
                   [&errors](QSerialPort::SerialPortError error) {
                     if (error != QSerialPort::NoError) ++errors;
                   });
  line_.Hangup();
  ASSERT_TRUE(qt_test::WaitFor([&] { return !port_.PortOpen(); }));
  ASSERT_EQ(losses_.size(), 1u);
  EXPECT_FALSE(losses_[0].empty());
  EXPECT_TRUE(notices_.empty());

  int errorsAtClose = errors;
  int eventsAtClose = events_;
  qt_test::Spin(200);
  EXPECT_EQ(errors, errorsAtClose);
  EXPECT_EQ(events_, eventsAtClose);
  EXPECT_EQ(losses_.size(), 1u);
}

// The device's name is a link of the test's own, removed with the device as a USB adapter's
// node is: a pseudo-terminal's own name may be taken by another one meanwhile.
TEST_F(QtSerialPortTest, AfterALossTheWatchTellsWhenADeviceIsAtTheNameAgain) {
  QTemporaryDir links;
  std::filesystem::path link = links.filePath("adapter").toStdString();
  std::filesystem::create_symlink(line_.Path(), link);
  devices_[1] = link.string();
  LoseOrFail();
  std::filesystem::remove(link);
  EXPECT_TRUE(port_.WatchingForDevice());
  qt_test::Spin(3 * qtui::QtSerialPort::kDeviceLookMs);
  EXPECT_EQ(backs_, 0) << "the device is gone";

  qt_test::PtyLine replugged;
  std::filesystem::create_symlink(replugged.Path(), link);
  ASSERT_TRUE(qt_test::WaitFor([&] { return backs_ > 0; }, 2000));
  port_.SetPortOpen(true);
  EXPECT_TRUE(port_.PortOpen());
  EXPECT_FALSE(port_.WatchingForDevice());
}

TEST_F(QtSerialPortTest, ClosingOrChoosingAnotherPortEndsTheWatch) {
  const std::pair<const char*, std::function<void()>> endings[] = {
      {"closed", [this] { port_.SetPortOpen(false); }},
      {"other port", [this] { port_.SetPortNumber(2); }},
  };
  for (const auto& [name, end] : endings) {
    SCOPED_TRACE(name);
    qt_test::PtyLine line;
    devices_[1] = line.Path();
    port_.SetPortNumber(1);
    port_.SetPortOpen(true);
    ASSERT_TRUE(port_.PortOpen());
    line.Hangup();
    ASSERT_TRUE(qt_test::WaitFor([&] { return !port_.PortOpen(); }));
    ASSERT_TRUE(port_.WatchingForDevice());
    end();
    EXPECT_FALSE(port_.WatchingForDevice());
  }
}

}  // namespace
