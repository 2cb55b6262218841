#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/faults.h"
#include "sim/test_cycle.h"

namespace sim {

enum class OutputKind { kStdout, kDevice, kPty };

// Packets at 9600 baud 8N1: 69 bytes take about 72 ms, so one packet every 70 ms.
inline constexpr double kLinePacketSeconds = 0.070;

struct SimOptions {
  OutputKind output = OutputKind::kStdout;
  std::string devicePath;
  std::optional<std::int64_t> count;       // empty: run until stopped
  double rate = 1.0 / kLinePacketSeconds;  // packets per second; 0: as fast as possible
  double lingerSeconds = 0.5;              // pty kept open after the last counted packet
  std::uint32_t seed = 1;
  CycleSettings cycle;
  FaultSettings faults;

  bool operator==(const SimOptions&) const = default;
};

// Instrument time each packet stands for. Unpaced output keeps the line's interval so the
// test cycle looks the same however fast it is written.
double PacketSeconds(const SimOptions& options);

struct ParseResult {
  enum class Outcome { kRun, kHelp, kError };
  Outcome outcome = Outcome::kRun;
  SimOptions options;
  std::string message;  // what was wrong, for kError
};

// Arguments without the program name. Accepts "--name value" and "--name=value".
ParseResult ParseArgs(const std::vector<std::string>& args);

std::string Usage();

}  // namespace sim
