#pragma once

#include <chrono>
#include <csignal>

#include "sim/output.h"
#include "sim/sim_options.h"

namespace sim {

// Between the two writes of a split packet: long enough that a receiver polling the line sees
// the halves in separate reads.
inline constexpr std::chrono::milliseconds kSplitPause{20};

// Streams packets to `output` at the configured rate until the count is reached, the reader
// goes away or `stop` becomes non-zero (set from a signal handler). With a pty and a count,
// the pty stays open for the linger time after the last packet so a reader can drain it.
void RunStream(const SimOptions& options, Output& output, const volatile std::sig_atomic_t& stop);

}  // namespace sim
