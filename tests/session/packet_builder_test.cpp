#include "session/packet_builder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "session/script_error.h"

namespace {

using session::FieldValue;
using session::PacketBuilder;

struct FieldAt {
  const char* name;
  std::size_t offset;
  std::size_t width;
};

// The instrument's layout, offsets counted from the STX.
const std::vector<FieldAt> kLayout{
    {"Version", 1, 3},        {"PartNumber", 4, 2},       {"Mode", 6, 1},
    {"TestStatus", 7, 1},     {"CompletionStatus", 8, 1}, {"PressReference", 12, 3},
    {"FlowRateCount", 15, 4}, {"FlowScaleCount", 19, 4},  {"FlowZero", 23, 4},
    {"TimeBaseCode", 27, 1},  {"ZeroTime", 28, 3},        {"FillTime", 31, 3},
    {"StabTime", 34, 3},      {"ReadTime", 37, 3},        {"MaxSlope", 40, 2},
    {"MinFlow", 42, 3},       {"TCFactor", 45, 4},        {"LeakLimit", 49, 4},
    {"CalLeak", 53, 4},       {"ZeroSelect", 57, 1},      {"FlowSlopeLim", 59, 3},
    {"FlowNegLimit", 62, 3},  {"PressureTol", 65, 2},
};

TEST(Packets, DefaultPacketIsWellFormed) {
  std::string packet = PacketBuilder().Build({});
  ASSERT_EQ(packet.size(), 67u);
  EXPECT_EQ(packet[0], '\x02');
  EXPECT_EQ(packet.find('\x02', 1), std::string::npos);
  EXPECT_EQ(packet.substr(1, 8), "40112RYN");
  EXPECT_EQ(packet.substr(15, 4), "0490");
}

TEST(Packets, EveryFieldLandsAtItsOffset) {
  for (const auto& field : kLayout) {
    std::string value(field.width, '#');
    std::string packet = PacketBuilder().Build({{field.name, value}});
    ASSERT_EQ(packet.size(), 67u) << field.name;
    EXPECT_EQ(packet.substr(field.offset, field.width), value) << field.name;
    EXPECT_EQ(std::count(packet.begin(), packet.end(), '#'), static_cast<long>(field.width))
        << field.name;
  }
}

TEST(Packets, RawValuesShiftTheFieldsAfterThem) {
  std::string packet = PacketBuilder().Build({{"FlowRateCount", "12", true}, {"TestStatus", "R"}});
  EXPECT_EQ(packet.size(), 65u);
  EXPECT_EQ(packet.substr(15, 6), "120257");
  EXPECT_EQ(packet[7], 'R');
}

TEST(Packets, LeadAndTailSurroundThePacket) {
  std::string packet = PacketBuilder().Build({{"Lead", "xy"}, {"Tail", "\r\n"}});
  EXPECT_EQ(packet.substr(0, 3), "xy\x02");
  EXPECT_EQ(packet.substr(packet.size() - 4), "10\r\n");
}

TEST(Packets, DefaultsChangeLaterPacketsAndOverridesWin) {
  PacketBuilder builder;
  builder.SetDefaults({{"TestStatus", "R"}, {"Mode", "C"}});
  std::string packet = builder.Build({{"Mode", "P"}});
  EXPECT_EQ(packet.substr(6, 2), "PR");
}

TEST(Packets, WrongWidthsAndUnknownNamesAreErrors) {
  const std::vector<std::pair<FieldValue, const char*>> cases{
      {{"FlowRateCount", "45"}, "FlowRateCount takes 4 characters, \"45\" has 2"},
      {{"Mode", ""}, "Mode takes 1 character, \"\" has 0"},
      {{"FlowRate", "0045"}, "close names: FlowRateCount"},
      {{"STX", "x"}, "no packet field \"STX\""},
  };
  for (const auto& [field, why] : cases) {
    try {
      PacketBuilder::Check(field);
      ADD_FAILURE() << "no error for " << field.name;
    } catch (const session::ScriptError& error) {
      EXPECT_THAT(error.what(), ::testing::HasSubstr(why));
    }
  }
  EXPECT_NO_THROW(PacketBuilder::Check({"FlowRateCount", "45", true}));
}

}  // namespace
