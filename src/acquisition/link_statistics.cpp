#include "acquisition/link_statistics.h"

#include <algorithm>
#include <cmath>

#include "core/numbers.h"

namespace acquisition {
namespace {

constexpr char kStx = '\x02';
constexpr double kDay = 24 * 3600.0;

}  // namespace

LinkStatistics::LinkStatistics(const core::SerialPort& port, const core::Clock& clock,
                               LinkStatisticsBoxes boxes)
    : port_(port), clock_(clock), boxes_(boxes) {
  Start();
}

void LinkStatistics::Start() {
  start_ = lastData_ = clock_.SecondsSinceMidnight();
  withoutStx_ = tooShort_ = 0;
  arrivals_.clear();
}

void LinkStatistics::Received(std::string_view chunk, std::string_view joined) {
  // An event with nothing new (a line change) brought no packet.
  if (chunk.empty()) return;
  double now = clock_.SecondsSinceMidnight();
  lastData_ = now;
  arrivals_.push_back({now, std::count(chunk.begin(), chunk.end(), kStx)});
  DropOldArrivals();
  // What the decoder makes of the joined text: the packet from its first STX.
  std::size_t stx = joined.find(kStx);
  if (stx == std::string_view::npos) {
    ++withoutStx_;
  } else if (joined.size() - stx < kPacketLength) {
    ++tooShort_;
  }
}

double LinkStatistics::Since(double from) const {
  double seconds = clock_.SecondsSinceMidnight() - from;
  // A day's worth back is midnight; a little back is the system clock being set.
  if (seconds < -kDay / 2) return seconds + kDay;
  return std::max(seconds, 0.0);
}

void LinkStatistics::DropOldArrivals() {
  while (!arrivals_.empty() && Since(arrivals_.front().time) >= kRateWindow) arrivals_.pop_front();
}

double LinkStatistics::PacketsPerSecond() const {
  std::int64_t packets = 0;
  for (const Arrival& arrival : arrivals_) {
    if (Since(arrival.time) < kRateWindow) packets += arrival.packets;
  }
  // Right after the start the window is not full yet; under a second says too little.
  double span = std::clamp(Since(start_), 1.0, kRateWindow);
  return static_cast<double>(packets) / span;
}

double LinkStatistics::SecondsWithoutData() const { return Since(lastData_); }

void LinkStatistics::Refresh() {
  DropOldArrivals();
  std::string rate = core::FixedText(PacketsPerSecond(), 1);
  double silent = std::floor(SecondsWithoutData());
  boxes_.packetsPerSecond.SetText(rate);
  boxes_.withoutStx.SetText(std::to_string(withoutStx_));
  boxes_.tooShort.SetText(std::to_string(tooShort_));
  boxes_.secondsWithoutData.SetText(core::NumberText(silent));
  if (!port_.PortOpen()) {
    // Stopped or halted: the notice line says why, there is no link to describe.
    boxes_.statusLine.SetText("");
  } else if (SecondsWithoutData() >= kSilence) {
    boxes_.statusLine.SetText("No data from Comm Port " + std::to_string(port_.PortNumber()) +
                              " for " + core::NumberText(silent) + " s");
  } else {
    boxes_.statusLine.SetText(rate + " packets/s, " + std::to_string(withoutStx_) +
                              " without STX, " + std::to_string(tooShort_) +
                              " too short to decode");
  }
}

}  // namespace acquisition
