#include "sim/faults.h"

#include "sim/packet.h"
#include "sim/random_draws.h"

namespace sim {

FaultInjector::FaultInjector(const FaultSettings& settings, std::uint32_t seed)
    : settings_(settings), engine_(seed) {}

FaultedFrame FaultInjector::Apply(const std::string& frame) {
  const bool garbage = Chance(engine_, settings_.garbage);
  const bool truncate = Chance(engine_, settings_.truncate);
  const bool split = Chance(engine_, settings_.split);

  FaultedFrame out;
  if (garbage) {
    out.bytes = Garbage();
  }
  const std::size_t start = out.bytes.size();
  const std::size_t keep =
      truncate ? static_cast<std::size_t>(UniformInt(engine_, 1, kPacketLength - 1)) : frame.size();
  out.bytes.append(frame, 0, keep);
  if (split && keep >= 2) {
    out.splitAt = start + UniformInt(engine_, 1, static_cast<int>(keep) - 1);
  }
  return out;
}

int FaultInjector::NextBatchSize() {
  if (settings_.burst < 2 || pacedSinceBurst_ < kPacketsBetweenBursts) {
    ++pacedSinceBurst_;
    return 1;
  }
  pacedSinceBurst_ = 0;
  return settings_.burst;
}

std::string FaultInjector::Garbage() {
  std::string bytes(UniformInt(engine_, 1, kMaxGarbageBytes), '\0');
  for (char& byte : bytes) {
    // 255 values: every byte but STX, which would look like the start of a packet.
    int value = UniformInt(engine_, 0, 254);
    if (value >= kStx) {
      ++value;
    }
    byte = static_cast<char>(value);
  }
  return bytes;
}

}  // namespace sim
