#pragma once

#include <string>
#include <vector>

#include "sim/sim_options.h"

namespace sim::test_support {

// What one packet became on the line.
struct LinePacket {
  std::string garbage;  // bytes between the previous packet and this one's STX
  std::string bytes;    // from the STX: the whole frame, or what is left of a cut one
};

// Each packet with its terminator, as the same options would give with every fault off.
std::vector<std::string> CleanFrames(SimOptions options, int packets);

// Splits a stream into packets, using the clean frames to see where a whole frame ends. A cut
// frame runs to the next STX, so it cannot be told apart from garbage after it: use it on
// streams that have one of the two faults, not both.
std::vector<LinePacket> SplitLine(const std::string& stream,
                                  const std::vector<std::string>& cleanFrames);

}  // namespace sim::test_support
