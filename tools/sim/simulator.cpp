#include "sim/simulator.h"

#include <algorithm>

#include "sim/packet.h"

namespace sim {
namespace {

// Keeps the fault draws apart from the flow noise drawn with the same seed.
constexpr std::uint32_t kFaultSeedOffset = 0x9E3779B9u;

}  // namespace

Simulator::Simulator(const SimOptions& options)
    : cycle_(options.cycle, PacketSeconds(options), options.seed),
      faults_(options.faults, options.seed + kFaultSeedOffset) {}

Batch Simulator::NextBatch(std::int64_t maxPackets) {
  Batch batch;
  batch.packets = static_cast<int>(
      std::clamp<std::int64_t>(faults_.NextBatchSize(), 1, std::max<std::int64_t>(maxPackets, 1)));
  batch.writes.emplace_back();
  for (int i = 0; i < batch.packets; ++i) {
    const FaultedFrame frame = faults_.Apply(FormatPacket(cycle_.Next()) + kTerminator);
    if (frame.splitAt == 0) {
      batch.writes.back() += frame.bytes;
      continue;
    }
    batch.writes.back().append(frame.bytes, 0, frame.splitAt);
    batch.writes.push_back(frame.bytes.substr(frame.splitAt));
  }
  return batch;
}

std::string GenerateStream(const SimOptions& options, int packets) {
  Simulator simulator(options);
  std::string stream;
  for (int sent = 0; sent < packets;) {
    const Batch batch = simulator.NextBatch(packets - sent);
    for (const std::string& write : batch.writes) {
      stream += write;
    }
    sent += batch.packets;
  }
  return stream;
}

}  // namespace sim
