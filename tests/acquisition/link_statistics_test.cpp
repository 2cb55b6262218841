#include "acquisition/link_statistics.h"

#include <gtest/gtest.h>

#include <string>

#include "doubles/fake_clock.h"
#include "doubles/scripted_serial_port.h"

namespace acquisition {
namespace {

const std::string kPacket = "\x02" + std::string(66, '0');  // 67 characters from its STX

class LinkStatisticsTest : public ::testing::Test {
 protected:
  LinkStatisticsTest() {
    port.SetPortOpen(true);
    stats.Start();
  }

  // `count` whole packets, one per event, `seconds` apart, each joined to the one before.
  void Stream(int count, double seconds) {
    for (int i = 0; i < count; ++i) {
      clock.Advance(seconds);
      stats.Received(kPacket, kPacket + kPacket);
    }
  }

  doubles::ScriptedSerialPort port;
  doubles::FakeClock clock;
  core::TextBox statusLine{"LinkStatus"};
  core::TextBox perSecond{"PacketsPerSecond"};
  core::TextBox withoutStx{"PacketsWithoutStx"};
  core::TextBox tooShort{"PacketsTooShort"};
  core::TextBox silentFor{"SecondsWithoutData"};
  LinkStatistics stats{port, clock, {statusLine, perSecond, withoutStx, tooShort, silentFor}};
};

TEST_F(LinkStatisticsTest, PacketRateOverTheLastTwoSecondsOnBothDisplays) {
  Stream(40, 0.1);      // 10 a second for 4 s
  clock.Advance(0.05);  // clear of the window's edge
  stats.Refresh();
  EXPECT_EQ(statusLine.Text(), "10.0 packets/s, 0 without STX, 0 too short to decode");
  EXPECT_EQ(perSecond.Text(), "10.0");
  EXPECT_EQ(withoutStx.Text(), "0");
  EXPECT_EQ(silentFor.Text(), "0");
  // The rate follows a slower instrument within the window, not since the start.
  Stream(10, 0.25);
  clock.Advance(0.1);
  stats.Refresh();
  EXPECT_EQ(perSecond.Text(), "4.0");
}

TEST_F(LinkStatisticsTest, SeveralPacketsInOneChunkCountEach) {
  clock.Advance(1);
  stats.Received(kPacket + kPacket + kPacket, kPacket + kPacket);
  EXPECT_DOUBLE_EQ(stats.PacketsPerSecond(), 3);
}

TEST_F(LinkStatisticsTest, TheFirstSecondIsNotTakenAsAWholeRate) {
  clock.Advance(0.1);
  stats.Received(kPacket, kPacket);
  EXPECT_DOUBLE_EQ(stats.PacketsPerSecond(), 1)
      << "one packet in the first second, not ten a second";
}

struct JoinedCase {
  const char* name;
  std::string chunk;
  std::string joined;
  int withoutStx;
  int tooShort;
};

class WhatTheDecoderGets : public LinkStatisticsTest,
                           public ::testing::WithParamInterface<JoinedCase> {};

TEST_P(WhatTheDecoderGets, CountsTheJoinedTextsItCannotDecode) {
  const JoinedCase& c = GetParam();
  stats.Received(c.chunk, c.joined);
  EXPECT_EQ(stats.WithoutStx(), c.withoutStx);
  EXPECT_EQ(stats.TooShort(), c.tooShort);
}

INSTANTIATE_TEST_SUITE_P(
    Events, WhatTheDecoderGets,
    ::testing::Values(
        JoinedCase{"WholePacket", kPacket, kPacket, 0, 0},
        // A packet split over two events is whole once joined: the decoder reads it.
        JoinedCase{"SplitPacketJoined", kPacket.substr(30),
                   kPacket.substr(0, 30) + kPacket.substr(30), 0, 0},
        JoinedCase{"NoiseWithoutStx", "garbage at the wrong baud rate",
                   "more garbage at the wrong baud rate", 1, 0},
        JoinedCase{"PacketCutShort", kPacket.substr(0, 40), "junk" + kPacket.substr(0, 40), 0, 1},
        JoinedCase{"OneShortOfAPacket", kPacket.substr(0, 66), kPacket.substr(0, 66), 0, 1},
        // A line-change event reads nothing: no packet, nothing to count.
        JoinedCase{"EmptyEvent", "", "old text without STX", 0, 0}),
    [](const ::testing::TestParamInfo<JoinedCase>& info) { return info.param.name; });

TEST_F(LinkStatisticsTest, SilenceOfThreeSecondsIsNamedWithThePort) {
  port.SetPortOpen(false);
  port.SetPortNumber(2);
  port.SetPortOpen(true);
  Stream(5, 0.1);
  clock.Advance(2.9);
  stats.Refresh();
  EXPECT_EQ(statusLine.Text().find("No data"), std::string::npos) << statusLine.Text();
  clock.Advance(0.2);
  stats.Refresh();
  EXPECT_EQ(statusLine.Text(), "No data from Comm Port 2 for 3 s");
  clock.Advance(1.7);
  stats.Refresh();
  EXPECT_EQ(statusLine.Text(), "No data from Comm Port 2 for 4 s");
  EXPECT_EQ(silentFor.Text(), "4");
  EXPECT_EQ(perSecond.Text(), "0.0");
  Stream(1, 0.1);  // data again
  stats.Refresh();
  EXPECT_EQ(statusLine.Text(), "0.5 packets/s, 0 without STX, 0 too short to decode");
}

TEST_F(LinkStatisticsTest, AStartWithNothingArrivingIsSilenceToo) {
  clock.Advance(3);
  stats.Refresh();
  EXPECT_EQ(statusLine.Text(), "No data from Comm Port 1 for 3 s");
}

TEST_F(LinkStatisticsTest, AClosedPortLeavesTheStatusLineEmptyAndTheCountsStanding) {
  stats.Received("noise", "noise");
  Stream(3, 0.1);
  port.SetPortOpen(false);
  clock.Advance(10);
  stats.Refresh();
  EXPECT_EQ(statusLine.Text(), "");
  EXPECT_EQ(withoutStx.Text(), "1");
}

TEST_F(LinkStatisticsTest, AStartCountsFromZero) {
  stats.Received("noise", "noise");
  stats.Received(kPacket.substr(0, 10), kPacket.substr(0, 10));
  clock.Advance(5);
  stats.Start();
  EXPECT_EQ(stats.WithoutStx(), 0);
  EXPECT_EQ(stats.TooShort(), 0);
  EXPECT_DOUBLE_EQ(stats.PacketsPerSecond(), 0);
  EXPECT_DOUBLE_EQ(stats.SecondsWithoutData(), 0);
}

TEST_F(LinkStatisticsTest, MidnightDoesNotBreakTheRateOrTheSilence) {
  clock.SetSeconds(24 * 3600.0 - 1);
  stats.Start();
  Stream(9, 0.1);  // 23:59:59.9
  clock.SetSeconds(0.5);
  stats.Received(kPacket, kPacket);
  EXPECT_DOUBLE_EQ(stats.PacketsPerSecond(), 10.0 / 1.5);
  clock.SetSeconds(3.6);
  EXPECT_NEAR(stats.SecondsWithoutData(), 3.1, 1e-9);
}

TEST_F(LinkStatisticsTest, AClockSetBackIsNoDayOfSilence) {
  Stream(1, 0.1);
  clock.Advance(-5);
  stats.Refresh();
  EXPECT_EQ(silentFor.Text(), "0");
  EXPECT_EQ(statusLine.Text(), "1.0 packets/s, 0 without STX, 0 too short to decode");
}

}  // namespace
}  // namespace acquisition
