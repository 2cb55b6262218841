#include "sim/packet.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace sim {
namespace {

struct FieldAt {
  std::size_t offset;
  std::size_t width;
  std::string text;
};

TEST(FormatPacket, PutsEveryFieldAtItsOffset) {
  PacketFields f;
  f.version = 403;
  f.partNumber = 7;
  f.mode = 'C';
  f.testStatus = 'S';
  f.completionStatus = 'P';
  f.pressReference = 98;
  f.flowRateCount = 12;
  f.flowScaleCount = 9999;
  f.flowZero = 490;
  f.timeBaseCode = 1;
  f.zeroTime = 5;
  f.fillTime = 123;
  f.stabTime = 999;
  f.readTime = 40;
  f.maxSlope = 3;
  f.minFlow = 15;
  f.tcFactor = "0000";
  f.leakLimit = "05.0";
  f.calLeak = "10.6";
  f.zeroSelect = 1;
  f.flowSlopeLim = 250;
  f.flowNegLimit = 7;
  f.pressureTol = 9;
  const std::vector<FieldAt> expected = {
      {0, 1, "\x02"},  {1, 3, "403"}, {4, 2, "07"},   {6, 1, "C"},     {7, 1, "S"},
      {8, 1, "P"},     {9, 3, "000"}, {12, 3, "098"}, {15, 4, "0012"}, {19, 4, "9999"},
      {23, 4, "0490"}, {27, 1, "1"},  {28, 3, "005"}, {31, 3, "123"},  {34, 3, "999"},
      {37, 3, "040"},  {40, 2, "03"}, {42, 3, "015"}, {45, 4, "0000"}, {49, 4, "05.0"},
      {53, 4, "10.6"}, {57, 1, "1"},  {58, 1, "0"},   {59, 3, "250"},  {62, 3, "007"},
      {65, 2, "09"},
  };

  const std::string packet = FormatPacket(f);

  ASSERT_EQ(packet.size(), kPacketLength);
  std::size_t next = 0;
  for (const FieldAt& field : expected) {
    // The table itself must tile the packet, or a field could be skipped unnoticed.
    ASSERT_EQ(field.offset, next);
    next = field.offset + field.width;
    EXPECT_EQ(packet.substr(field.offset, field.width), field.text) << "at offset " << field.offset;
  }
  EXPECT_EQ(next, kPacketLength);
}

TEST(FormatPacket, RejectsValuesThatWouldShiftTheFieldsAfterThem) {
  const std::vector<std::function<void(PacketFields&)>> breakages = {
      [](PacketFields& f) { f.version = 1000; },
      [](PacketFields& f) { f.partNumber = 100; },
      [](PacketFields& f) { f.flowRateCount = 10000; },
      [](PacketFields& f) { f.flowRateCount = -1; },
      [](PacketFields& f) { f.timeBaseCode = 10; },
      [](PacketFields& f) { f.stabTime = 1000; },
      [](PacketFields& f) { f.pressureTol = 100; },
      [](PacketFields& f) { f.tcFactor = "0.5"; },
      [](PacketFields& f) { f.calLeak = "10.60"; },
      [](PacketFields& f) { f.leakLimit = std::string("\x02") + "5.0"; },
      [](PacketFields& f) { f.testStatus = kStx; },
  };
  for (std::size_t i = 0; i < breakages.size(); ++i) {
    PacketFields fields;
    breakages[i](fields);
    EXPECT_THROW(FormatPacket(fields), std::invalid_argument) << "case " << i;
  }
}

}  // namespace
}  // namespace sim
