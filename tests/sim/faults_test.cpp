#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "line_scan.h"
#include "sim/packet.h"
#include "sim/simulator.h"

namespace sim {
namespace {

using test_support::CleanFrames;
using test_support::LinePacket;
using test_support::SplitLine;

constexpr int kPackets = 300;

SimOptions WithFaults(const FaultSettings& faults) {
  SimOptions options;
  options.seed = 21;
  options.faults = faults;
  return options;
}

std::vector<Batch> Batches(const SimOptions& options, int packets) {
  Simulator simulator(options);
  std::vector<Batch> batches;
  for (int sent = 0; sent < packets; sent += batches.back().packets) {
    batches.push_back(simulator.NextBatch(packets - sent));
  }
  return batches;
}

std::string Joined(const std::vector<Batch>& batches) {
  std::string bytes;
  for (const Batch& batch : batches) {
    for (const std::string& write : batch.writes) {
      bytes += write;
    }
  }
  return bytes;
}

// How many of the packets a fault touched.
using Affected = std::function<int(const SimOptions&)>;

int WithGarbage(const SimOptions& options) {
  const auto packets = SplitLine(GenerateStream(options, kPackets), CleanFrames(options, kPackets));
  return static_cast<int>(std::count_if(packets.begin(), packets.end(),
                                        [](const LinePacket& p) { return !p.garbage.empty(); }));
}

int Truncated(const SimOptions& options) {
  const auto packets = SplitLine(GenerateStream(options, kPackets), CleanFrames(options, kPackets));
  return static_cast<int>(std::count_if(packets.begin(), packets.end(), [](const LinePacket& p) {
    return p.bytes.size() != kFrameLength;
  }));
}

int Split(const SimOptions& options) {
  int splits = 0;
  for (const Batch& batch : Batches(options, kPackets)) {
    splits += static_cast<int>(batch.writes.size()) - 1;
  }
  return splits;
}

TEST(Faults, HappenAsOftenAsAsked) {
  struct Case {
    const char* name;
    double FaultSettings::*probability;
    Affected affected;
  };
  const std::vector<Case> cases = {
      {"garbage", &FaultSettings::garbage, WithGarbage},
      {"truncate", &FaultSettings::truncate, Truncated},
      {"split", &FaultSettings::split, Split},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const double p : {0.0, 0.25, 1.0}) {
      FaultSettings faults;
      faults.*c.probability = p;
      const int affected = c.affected(WithFaults(faults));
      EXPECT_NEAR(affected, p * kPackets, 0.1 * kPackets) << "probability " << p;
    }
  }
}

TEST(Faults, GarbageIsAFewNonStxBytesBeforeAnIntactPacket) {
  FaultSettings faults;
  faults.garbage = 1.0;
  const SimOptions options = WithFaults(faults);
  const auto clean = CleanFrames(options, kPackets);
  const auto packets = SplitLine(GenerateStream(options, kPackets), clean);

  ASSERT_EQ(packets.size(), clean.size());
  std::size_t shortest = kMaxGarbageBytes;
  std::size_t longest = 0;
  for (std::size_t i = 0; i < packets.size(); ++i) {
    EXPECT_EQ(packets[i].bytes, clean[i]) << "packet " << i;
    EXPECT_EQ(packets[i].garbage.find(kStx), std::string::npos);
    shortest = std::min(shortest, packets[i].garbage.size());
    longest = std::max(longest, packets[i].garbage.size());
  }
  EXPECT_EQ(shortest, 1u);
  EXPECT_EQ(longest, static_cast<std::size_t>(kMaxGarbageBytes));
}

TEST(Faults, TruncatedPacketsAreShortPrefixesWithoutTerminator) {
  FaultSettings faults;
  faults.truncate = 1.0;
  const SimOptions options = WithFaults(faults);
  const auto clean = CleanFrames(options, kPackets);
  const auto packets = SplitLine(GenerateStream(options, kPackets), clean);

  ASSERT_EQ(packets.size(), clean.size());
  for (std::size_t i = 0; i < packets.size(); ++i) {
    const std::string& bytes = packets[i].bytes;
    EXPECT_TRUE(packets[i].garbage.empty());
    EXPECT_GE(bytes.size(), 1u);
    EXPECT_LT(bytes.size(), kPacketLength);
    EXPECT_EQ(clean[i].compare(0, bytes.size(), bytes), 0) << "packet " << i;
  }
}

TEST(Faults, SplitPacketsGoOutInTwoNonEmptyWrites) {
  FaultSettings faults;
  faults.split = 1.0;
  const SimOptions options = WithFaults(faults);
  const auto clean = CleanFrames(options, kPackets);
  const std::vector<Batch> batches = Batches(options, kPackets);

  ASSERT_EQ(batches.size(), clean.size());
  for (std::size_t i = 0; i < batches.size(); ++i) {
    const std::vector<std::string>& writes = batches[i].writes;
    ASSERT_EQ(writes.size(), 2u) << "packet " << i;
    EXPECT_FALSE(writes[0].empty());
    EXPECT_FALSE(writes[1].empty());
    EXPECT_EQ(writes[0] + writes[1], clean[i]);
  }
}

TEST(Faults, BurstsWriteSeveralPacketsAtOnceBetweenPacedOnes) {
  FaultSettings faults;
  faults.burst = 6;
  const SimOptions options = WithFaults(faults);
  const std::vector<Batch> batches = Batches(options, 3 * (kPacketsBetweenBursts + 6));

  std::vector<int> sizes;
  for (const Batch& batch : batches) {
    ASSERT_EQ(batch.writes.size(), 1u);
    EXPECT_EQ(batch.writes[0].size(), batch.packets * kFrameLength);
    sizes.push_back(batch.packets);
  }
  std::vector<int> expected;
  for (int round = 0; round < 3; ++round) {
    expected.insert(expected.end(), kPacketsBetweenBursts, 1);
    expected.push_back(6);
  }
  EXPECT_EQ(sizes, expected);
  EXPECT_EQ(Joined(batches), GenerateStream(WithFaults({}), 3 * (kPacketsBetweenBursts + 6)));
}

TEST(Faults, ABurstNeverOverrunsTheRequestedCount) {
  FaultSettings faults;
  faults.burst = 10;
  Simulator simulator(WithFaults(faults));
  for (int i = 0; i < kPacketsBetweenBursts; ++i) {
    ASSERT_EQ(simulator.NextBatch(100).packets, 1);
  }
  EXPECT_EQ(simulator.NextBatch(4).packets, 4);
}

TEST(GenerateStream, SameSeedSameBytesAndFaultsLeaveThePacketsAlone) {
  FaultSettings faults;
  faults.garbage = 0.3;
  faults.split = 0.3;
  faults.burst = 4;
  SimOptions options = WithFaults(faults);
  const std::string stream = GenerateStream(options, kPackets);
  EXPECT_EQ(GenerateStream(options, kPackets), stream);

  // Stripping the garbage leaves exactly the fault-free stream of the same seed.
  std::string stripped;
  for (const LinePacket& p : SplitLine(stream, CleanFrames(options, kPackets))) {
    stripped += p.bytes;
  }
  EXPECT_EQ(stripped, GenerateStream(WithFaults({}), kPackets));

  options.seed += 1;
  EXPECT_NE(GenerateStream(options, kPackets), stream);
}

}  // namespace
}  // namespace sim
