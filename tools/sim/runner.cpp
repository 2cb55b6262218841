#include "sim/runner.h"

#include <time.h>

#include <algorithm>
#include <cstdint>
#include <limits>

#include "sim/simulator.h"

namespace sim {
namespace {

using Clock = std::chrono::steady_clock;

// Sleeps in slices so a stop signal that lands just before a sleep still ends it soon.
constexpr auto kSleepSlice = std::chrono::milliseconds(100);
// A writer held up longer than this (a blocked device, a full pty) starts the pace afresh
// instead of rushing out the packets it missed.
constexpr auto kMaxLag = std::chrono::seconds(1);

// False when stopped before `until`.
bool SleepUntil(Clock::time_point until, const volatile std::sig_atomic_t& stop) {
  while (!stop) {
    const auto left = until - Clock::now();
    if (left <= Clock::duration::zero()) {
      return true;
    }
    const auto slice = std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::min<Clock::duration>(left, kSleepSlice));
    timespec request{static_cast<time_t>(slice.count() / 1'000'000'000),
                     static_cast<long>(slice.count() % 1'000'000'000)};
    // Unlike std::this_thread::sleep_for, returns early on a signal.
    ::nanosleep(&request, nullptr);
  }
  return false;
}

bool WriteBatch(const Batch& batch, Output& output, const volatile std::sig_atomic_t& stop) {
  for (std::size_t i = 0; i < batch.writes.size(); ++i) {
    if (i > 0 && !SleepUntil(Clock::now() + kSplitPause, stop)) {
      return false;
    }
    if (!output.Write(batch.writes[i])) {
      return false;
    }
  }
  return true;
}

}  // namespace

void RunStream(const SimOptions& options, Output& output, const volatile std::sig_atomic_t& stop) {
  const auto interval = std::chrono::duration_cast<Clock::duration>(
      std::chrono::duration<double>(options.rate > 0.0 ? 1.0 / options.rate : 0.0));
  const std::int64_t total = options.count.value_or(std::numeric_limits<std::int64_t>::max());
  Simulator simulator(options);
  auto due = Clock::now();
  for (std::int64_t sent = 0; sent < total && !stop;) {
    const Batch batch = simulator.NextBatch(total - sent);
    if (!SleepUntil(due, stop) || !WriteBatch(batch, output, stop)) {
      return;
    }
    sent += batch.packets;
    // A burst takes the slots of all its packets, so the average rate holds.
    due = std::max(due + interval * batch.packets, Clock::now() - kMaxLag);
  }
  if (stop) {
    return;
  }
  output.Finish();
  if (options.output == OutputKind::kPty) {
    SleepUntil(Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                  std::chrono::duration<double>(options.lingerSeconds)),
               stop);
  }
}

}  // namespace sim
