#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/faults.h"
#include "sim/sim_options.h"
#include "sim/test_cycle.h"

namespace sim {

// What goes out at one pacing slot: one packet, or a burst of several. A packet split by a
// fault ends one write and starts the next; the writer pauses between writes.
struct Batch {
  std::vector<std::string> writes;
  int packets = 0;
};

// The instrument with its line: test-cycle packets, terminated and put through the faults.
class Simulator {
 public:
  explicit Simulator(const SimOptions& options);

  // The next batch, never more than `maxPackets` packets (at least 1).
  Batch NextBatch(std::int64_t maxPackets);

 private:
  TestCycle cycle_;
  FaultInjector faults_;
};

// The bytes the simulator would send for `packets` packets, without pacing.
std::string GenerateStream(const SimOptions& options, int packets);

}  // namespace sim
