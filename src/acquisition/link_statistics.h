#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

#include "core/platform/clock.h"
#include "core/platform/serial_port.h"
#include "core/text_box.h"

namespace acquisition {

// Where the link's health is shown.
struct LinkStatisticsBoxes {
  core::TextBox& statusLine;          // LeakMainForm.LinkStatus, beside the notice line
  core::TextBox& packetsPerSecond;    // SerialForm.PacketsPerSecond
  core::TextBox& withoutStx;          // SerialForm.PacketsWithoutStx
  core::TextBox& tooShort;            // SerialForm.PacketsTooShort
  core::TextBox& secondsWithoutData;  // SerialForm.SecondsWithoutData
};

// How the serial link is doing since plotting started: packets arriving per second, events
// whose joined text the decoder could not use (no STX, or a packet cut short), and how long
// nothing has arrived. Fed by the receive path; shown by Refresh, which the program runs on
// a tick between communication events, so that silence shows although no event comes.
class LinkStatistics {
 public:
  // A packet spans offsets 0 to 66 from its STX.
  static constexpr std::size_t kPacketLength = 67;
  // Seconds without a character before the status line says so.
  static constexpr double kSilence = 3;
  // The packet rate is taken over this many seconds.
  static constexpr double kRateWindow = 2;

  LinkStatistics(const core::SerialPort& port, const core::Clock& clock, LinkStatisticsBoxes boxes);

  // Plotting starts: every count from zero, silence measured from now.
  void Start();
  // One communication event: the chunk it read and the joined text handed to the decoder.
  void Received(std::string_view chunk, std::string_view joined);
  // Shows the counts; the status line only while the port is open.
  void Refresh();

  double PacketsPerSecond() const;
  std::int64_t WithoutStx() const { return withoutStx_; }
  std::int64_t TooShort() const { return tooShort_; }
  double SecondsWithoutData() const;

 private:
  struct Arrival {
    double time;
    std::int64_t packets;
  };

  // Seconds from `from` to now, across midnight too; never less than 0.
  double Since(double from) const;
  void DropOldArrivals();

  const core::SerialPort& port_;
  const core::Clock& clock_;
  LinkStatisticsBoxes boxes_;
  double start_ = 0;
  double lastData_ = 0;
  std::int64_t withoutStx_ = 0;
  std::int64_t tooShort_ = 0;
  std::deque<Arrival> arrivals_;  // within the rate window
};

}  // namespace acquisition
