#include "acquisition/receive_path.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/button.h"
#include "core/menu_item.h"
#include "core/numbers.h"
#include "core/rgb.h"
#include "decoder_fixture.h"
#include "doubles/scripted_serial_port.h"

namespace acquisition {
namespace {

constexpr core::Rgb kLightGreen = core::MakeRgb(192, 255, 192);
constexpr core::Rgb kLightRed = core::MakeRgb(255, 192, 192);
// More unread characters than this close the port while plotting.
constexpr int kOverrunLimit = 5 * doubles::ScriptedSerialPort::kThreshold;

class ReceivePathTest : public ::testing::Test, protected DecoderFixture {
 protected:
  ReceivePathTest() { stopCommand.SetBackColour(kLightGreen); }

  // A start of plotting followed by the two events that are passed over.
  void StartAndWarmUp() {
    path.Stop_Command_Click();
    port.Deliver("warm");
    port.Deliver("up");
  }
  static std::string PacketWithPart(const char* part) {
    return TestPacket().Set(offset::kPartNumber, part).Text() + "\r\n";
  }
  void ExpectButton(const char* caption, core::Rgb colour) {
    EXPECT_EQ(stopCommand.Caption(), caption);
    EXPECT_EQ(stopCommand.BackColour(), colour);
  }

  doubles::ScriptedSerialPort port;
  core::Button stopCommand{"Stop_Command", "Start Plotting"};
  core::MenuItem port1{"Setup_Item(0)", "Comm Port&1", true};
  core::MenuItem port2{"Setup_Item(1)", "Comm Port&2"};
  core::TextBox joinedText{"Text1"};
  core::TextBox eventCount{"Text2", "1"};
  core::TextBox notice{"Notice", "", true};
  int plottingStarts = 0;
  ReceivePath path{port,  {stopCommand, port1, port2, joinedText, eventCount, notice},
                   state, decoder,
                   clock, [this] {
        ++plottingStarts; }};
};

TEST_F(ReceivePathTest, DiagnosticsShowTheChunksNewestFirstAndCountEvents) {
  port.Deliver("ABC");
  EXPECT_EQ(joinedText.Text(), "ABC");
  EXPECT_EQ(eventCount.Text(), "2");
  port.Deliver("DEF");
  EXPECT_EQ(joinedText.Text(), "DEFABC");
  EXPECT_EQ(eventCount.Text(), "3");
  EXPECT_EQ(state.PreviousChunk, "DEF");
}

TEST_F(ReceivePathTest, EachEventDecodesThePacketThatBeganInThePreviousChunk) {
  StartAndWarmUp();
  port.Deliver(PacketWithPart("01"));
  EXPECT_EQ(setup.PartNumber.Text(), "01");  // the previous chunk "up" holds no STX
  port.Deliver(PacketWithPart("02"));
  EXPECT_EQ(setup.PartNumber.Text(), "01");
  port.Deliver(PacketWithPart("03"));
  EXPECT_EQ(setup.PartNumber.Text(), "02");
  port.Deliver("");  // an empty event decodes the previous chunk again
  EXPECT_EQ(setup.PartNumber.Text(), "03");
  EXPECT_EQ(state.PreviousChunk, "");
}

TEST_F(ReceivePathTest, PacketStraddlingTwoChunksIsDecodedWhole) {
  const std::string whole = TestPacket().Set(offset::kPressureTol, "42").Text() + "\r\n";
  StartAndWarmUp();
  port.Deliver(whole.substr(0, 30));
  EXPECT_EQ(setup.PressureTol.Text(), "");  // cut short for now
  port.Deliver(whole.substr(30) + PacketWithPart("99").substr(0, 20));
  EXPECT_EQ(setup.PressureTol.Text(), "42");
  EXPECT_EQ(setup.PartNumber.Text(), "12");
  EXPECT_EQ(packet.FillTime, "050");
}

TEST_F(ReceivePathTest, StartAndStopShowTheStateOnTheButton) {
  state.EventsSinceStart = 2;
  notice.SetText("Comm Port 1 could not be opened");
  path.Stop_Command_Click();
  ExpectButton("Stop Plotting", kLightRed);
  EXPECT_TRUE(port.PortOpen());
  EXPECT_EQ(plottingStarts, 1);
  EXPECT_EQ(state.EventsSinceStart, 0);
  EXPECT_EQ(notice.Text(), "");

  path.Stop_Command_Click();
  ExpectButton("Start Plotting", kLightGreen);
  EXPECT_FALSE(port.PortOpen());
  EXPECT_EQ(plottingStarts, 1);
}

TEST_F(ReceivePathTest, RestartKeepsThePreviousChunk) {
  path.Stop_Command_Click();
  port.Deliver("XYZ");
  path.Stop_Command_Click();
  path.Stop_Command_Click();
  port.Deliver("Q");
  EXPECT_EQ(joinedText.Text(), "QXYZ");
  EXPECT_EQ(state.EventsSinceStart, 1);
}

TEST_F(ReceivePathTest, ChoosingTheOtherPortWhilePlottingHalts) {
  path.Stop_Command_Click();
  path.Setup_Item_Click(1);
  EXPECT_FALSE(port1.Checked());
  EXPECT_TRUE(port2.Checked());
  EXPECT_FALSE(port.PortOpen());
  EXPECT_EQ(port.PortNumber(), 2);
  ExpectButton("Stop Plotting", kLightRed);

  path.Stop_Command_Click();
  ExpectButton("Start Plotting", kLightGreen);
  path.Stop_Command_Click();
  EXPECT_TRUE(port.PortOpen());
  EXPECT_EQ(port.PortNumber(), 2);
}

TEST_F(ReceivePathTest, ChoosingTheCheckedPortChangesNothing) {
  path.Stop_Command_Click();
  path.Setup_Item_Click(0);
  EXPECT_TRUE(port1.Checked());
  EXPECT_FALSE(port2.Checked());
  EXPECT_TRUE(port.PortOpen());
  EXPECT_EQ(port.OpenCount(), 1);
}

TEST_F(ReceivePathTest, OverrunClosesThePortAndKeepsTheButton) {
  for (int unread : {kOverrunLimit, kOverrunLimit + 1}) {
    SCOPED_TRACE(unread);
    bool overrun = unread > kOverrunLimit;
    if (!port.PortOpen()) path.Stop_Command_Click();
    port.SetInBufferCount(unread);
    path.AfterEvents();
    EXPECT_EQ(port.PortOpen(), !overrun);
    ExpectButton("Stop Plotting", kLightRed);
    EXPECT_EQ(notice.Text().empty(), !overrun) << notice.Text();
  }
  path.Stop_Command_Click();
  ExpectButton("Start Plotting", kLightGreen);
}

TEST_F(ReceivePathTest, WatchEndsWhenThePortIsClosedByAnotherAction) {
  path.Stop_Command_Click();
  path.Setup_Item_Click(1);
  path.AfterEvents();
  port.SetPortOpen(true);  // not a start of plotting: nothing watches this port
  port.SetInBufferCount(kOverrunLimit + 1);
  path.AfterEvents();
  EXPECT_TRUE(port.PortOpen());
}

TEST_F(ReceivePathTest, PortThatCannotBeOpenedLeavesPlottingHalted) {
  port.FailNextOpen("device busy");
  path.Stop_Command_Click();
  ExpectButton("Stop Plotting", kLightRed);
  EXPECT_FALSE(port.PortOpen());
  EXPECT_NE(notice.Text().find("device busy"), std::string::npos);
  path.AfterEvents();
  EXPECT_FALSE(port.PortOpen());

  path.Stop_Command_Click();
  ExpectButton("Start Plotting", kLightGreen);
  path.Stop_Command_Click();
  EXPECT_TRUE(port.PortOpen());
  EXPECT_EQ(notice.Text(), "");
}

// Unplugged while plotting, plugged in again: the run halts with a notice, and goes on by
// itself in the same colour and chart memory once the device is back.
TEST_F(ReceivePathTest, ALostDeviceHaltsTheRunAndItsReturnReopensThePort) {
  StartAndWarmUp();
  clock.SetSeconds(10 * 3600 + 2 * 60 + 3);
  port.Lose("unplugged");
  EXPECT_EQ(notice.Text(),
            "Comm Port 1 (scripted1) was lost at 10:02:03 AM: unplugged; plotting has halted");
  EXPECT_FALSE(port.PortOpen());
  ExpectButton("Stop Plotting", kLightRed);
  path.AfterEvents();

  clock.Advance(6);
  port.DeviceAppears();
  EXPECT_TRUE(port.PortOpen());
  EXPECT_FALSE(port.WatchingForDevice());
  EXPECT_EQ(notice.Text(),
            "Comm Port 1 (scripted1) is back: reopened at 10:02:09 AM, plotting goes on");
  ExpectButton("Stop Plotting", kLightRed);
  EXPECT_EQ(plottingStarts, 1);

  // The first two events after the gap may begin mid-packet and are passed over.
  port.Deliver("02401");
  port.Deliver("12RY");
  EXPECT_TRUE(sink.plotted.empty());
  port.Deliver(PacketWithPart("42"));
  EXPECT_EQ(packet.PartNumber, "42");
  EXPECT_EQ(sink.plotted.size(), 1u);

  // The overrun watch is on again.
  port.SetInBufferCount(kOverrunLimit + 1);
  path.AfterEvents();
  EXPECT_FALSE(port.PortOpen());
}

TEST_F(ReceivePathTest, ADeviceBackAfterTheRunEndedOrMovedIsLeftClosed) {
  struct Case {
    const char* name;
    std::function<void()> afterLoss;
  };
  const Case cases[] = {
      {"stopped", [this] { path.Stop_Command_Click(); }},
      {"other port chosen", [this] { path.Setup_Item_Click(1); }},
      {"chart position reset", [this] { path.ShowStopped(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    path.Setup_Item_Click(0);
    if (stopCommand.Caption() == "Stop Plotting") path.Stop_Command_Click();
    StartAndWarmUp();
    port.Lose("unplugged");
    c.afterLoss();
    port.DeviceAppears();
    EXPECT_FALSE(port.PortOpen());
    EXPECT_FALSE(port.WatchingForDevice());
  }
}

TEST_F(ReceivePathTest, AReturnThatCannotBeOpenedKeepsWatching) {
  StartAndWarmUp();
  port.Lose("unplugged");
  port.FailNextOpen("permission denied");
  port.DeviceAppears();
  EXPECT_FALSE(port.PortOpen());
  EXPECT_EQ(notice.Text(), "Comm Port 1 (scripted1) could not be opened: permission denied");
  EXPECT_TRUE(port.WatchingForDevice());
  port.DeviceAppears();
  EXPECT_TRUE(port.PortOpen());
}

TEST_F(ReceivePathTest, ADeviceBackWhileAnEventIsHandledWaitsForTheNextLook) {
  StartAndWarmUp();
  bool looked = false;
  sink.onCalibrate = [&] {
    if (looked) return;
    looked = true;
    port.Lose("unplugged");
    port.DeviceAppears();  // as the watch's timer would inside a message box's event loop
  };
  port.Deliver(PacketWithPart("01"));
  EXPECT_TRUE(looked);
  EXPECT_FALSE(port.PortOpen());
  EXPECT_TRUE(port.WatchingForDevice());
  port.DeviceAppears();
  EXPECT_TRUE(port.PortOpen());
}

struct PortSetUpCase {
  int configured;
  bool port1Checked;
  int portNumber;
};

TEST_F(ReceivePathTest, SetUpAppliesTheLineSettingsAndTheConfiguredPort) {
  const PortSetUpCase cases[] = {{2, false, 2}, {1, true, 1}, {0, true, 1}, {3, true, 1}};
  for (const PortSetUpCase& c : cases) {
    SCOPED_TRACE(c.configured);
    path.Setup_Item_Click(0);
    port.SetSettings("1200,E,7,2");
    port.SetInputLen(10);
    path.SetUpPort(c.configured);
    EXPECT_EQ(port.Settings(), "9600,N,8,1");
    EXPECT_EQ(port.InputLen(), 0);
    EXPECT_EQ(port1.Checked(), c.port1Checked);
    EXPECT_EQ(port2.Checked(), !c.port1Checked);
    EXPECT_EQ(port.PortNumber(), c.portNumber);
    EXPECT_FALSE(port.PortOpen());
  }
}

TEST_F(ReceivePathTest, EventRaisedDuringAnEventIsHandledAfterIt) {
  StartAndWarmUp();
  std::string countInside;
  std::string chunkInside;
  bool raised = false;
  sink.onCalibrate = [&] {
    if (raised) return;
    raised = true;
    port.Deliver(PacketWithPart("02"));  // as a message box's nested event loop would
    countInside = eventCount.Text();
    chunkInside = state.CurrentChunk;
  };
  const std::string before = eventCount.Text();
  port.Deliver(PacketWithPart("01"));

  EXPECT_EQ(countInside, before);
  EXPECT_EQ(chunkInside, PacketWithPart("01"));
  EXPECT_EQ(eventCount.Text(), core::NumberText(core::NumericValue(before) + 2));
  EXPECT_EQ(state.PreviousChunk, PacketWithPart("02"));
  EXPECT_EQ(sink.plotted.size(), 2u);
}

TEST(ChunksByPacketTest, EachChunkHoldsOnePacket) {
  struct Case {
    std::string text;
    std::vector<std::string> chunks;
  };
  const Case cases[] = {
      {"", {""}},
      {"no packet", {"no packet"}},
      {"\x02p1\r\n", {"\x02p1\r\n"}},
      {"\x02p1\r\n\x02p2\r\n\x02p3", {"\x02p1\r\n", "\x02p2\r\n", "\x02p3"}},
      {"tail\r\n\x02p1\r\n\x02p2", {"tail\r\n\x02p1\r\n", "\x02p2"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ChunksByPacket(c.text), c.chunks);
  }
}

// A box opened inside an event (the chart ceiling message) waits for the operator while the
// instrument goes on sending: the overrun watch must not count what nobody may read yet, and
// every packet that arrived meanwhile is decoded once the box is closed.
TEST_F(ReceivePathTest, PacketsArrivingWhileABoxIsOpenAreAllDecodedAfterIt) {
  StartAndWarmUp();
  constexpr int kHeldBack = 8;
  bool raised = false;
  sink.onCalibrate = [&] {
    if (raised) return;
    raised = true;
    for (int i = 0; i < kHeldBack; ++i) {
      port.Deliver(TestPacket().Set(offset::kFlowRate, "06" + std::to_string(10 + i)).Text() +
                   "\r\n");
      path.AfterEvents();  // the box's own event loop runs the watch too
    }
  };
  port.Deliver(PacketWithPart("01"));
  ASSERT_GT(kHeldBack * 69, kOverrunLimit);
  EXPECT_TRUE(port.PortOpen());
  EXPECT_EQ(notice.Text(), "");

  // Each event decodes the first packet beginning in the previous chunk: the box's own packet
  // at its event and again at the first held-back one, then one held-back packet each.
  std::vector<std::int16_t> expected = {490, 490};
  for (int i = 0; i < kHeldBack - 1; ++i) expected.push_back(static_cast<std::int16_t>(610 + i));
  EXPECT_EQ(sink.plotted, expected);
  path.AfterEvents();
  EXPECT_TRUE(port.PortOpen());
}

}  // namespace
}  // namespace acquisition
