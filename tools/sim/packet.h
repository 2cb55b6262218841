#pragma once

#include <cstddef>
#include <string>

namespace sim {

// Characters from the STX up to and including the pressure tolerance; whatever follows
// (the simulator's CR LF) is ignored by the receiver.
inline constexpr std::size_t kPacketLength = 67;
inline constexpr char kStx = '\x02';
inline constexpr const char* kTerminator = "\r\n";
// A packet as the simulator sends it, terminator included.
inline constexpr std::size_t kFrameLength =
    kPacketLength + std::char_traits<char>::length(kTerminator);

// One instrument packet. Numbers are sent as zero-padded decimal digits of the field width;
// the text fields (TC factor, leak limit, cal leak) are sent as they are and must already be
// exactly four characters.
struct PacketFields {
  int version = 401;
  int partNumber = 12;
  char mode = 'R';
  char testStatus = 'Y';
  char completionStatus = 'N';
  int pressReference = 100;
  int flowRateCount = 490;
  int flowScaleCount = 257;
  int flowZero = 490;
  int timeBaseCode = 2;
  int zeroTime = 20;
  int fillTime = 50;
  int stabTime = 100;
  int readTime = 50;
  int maxSlope = 10;
  int minFlow = 5;
  std::string tcFactor = "0.50";
  std::string leakLimit = "05.0";
  std::string calLeak = "10.6";
  int zeroSelect = 2;
  int flowSlopeLim = 50;
  int flowNegLimit = 20;
  int pressureTol = 10;

  bool operator==(const PacketFields&) const = default;
};

// The packet text, exactly kPacketLength characters, without terminator. Throws
// std::invalid_argument when a number does not fit its width or a text field is not exactly
// its width, so a bad value never shifts the fields after it.
std::string FormatPacket(const PacketFields& fields);

}  // namespace sim
