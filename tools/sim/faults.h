#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>

namespace sim {

// Line faults to exercise a receiver. Probabilities are per packet.
struct FaultSettings {
  double garbage = 0.0;   // a few random non-STX bytes before the packet
  double truncate = 0.0;  // the packet stops short, without terminator
  double split = 0.0;     // the packet goes out in two writes with a pause between
  int burst = 0;          // every so often this many packets in one write; 0: never

  bool operator==(const FaultSettings&) const = default;
};

// Paced packets between two bursts.
inline constexpr int kPacketsBetweenBursts = 50;
inline constexpr int kMaxGarbageBytes = 8;

// One packet as it goes on the line.
struct FaultedFrame {
  std::string bytes;
  std::size_t splitAt = 0;  // where the second write starts; 0 when written whole
};

// Applies the faults, drawing from its own engine so the packets themselves do not change
// when faults are switched on or off.
class FaultInjector {
 public:
  FaultInjector(const FaultSettings& settings, std::uint32_t seed);

  // `frame` is a packet with its terminator.
  FaultedFrame Apply(const std::string& frame);

  // How many packets go out together next: 1, or the burst length when a burst is due.
  int NextBatchSize();

 private:
  std::string Garbage();

  FaultSettings settings_;
  std::mt19937 engine_;
  int pacedSinceBurst_ = 0;
};

}  // namespace sim
