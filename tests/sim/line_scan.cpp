#include "line_scan.h"

#include "sim/packet.h"
#include "sim/simulator.h"

namespace sim::test_support {

std::vector<std::string> CleanFrames(SimOptions options, int packets) {
  options.faults = FaultSettings{};
  const std::string stream = GenerateStream(options, packets);
  std::vector<std::string> frames;
  for (std::size_t at = 0; at < stream.size(); at += kFrameLength) {
    frames.push_back(stream.substr(at, kFrameLength));
  }
  return frames;
}

std::vector<LinePacket> SplitLine(const std::string& stream,
                                  const std::vector<std::string>& cleanFrames) {
  std::vector<LinePacket> packets;
  std::size_t at = 0;
  while (at < stream.size() && packets.size() < cleanFrames.size()) {
    const std::size_t stx = stream.find(kStx, at);
    if (stx == std::string::npos) {
      break;
    }
    LinePacket packet{stream.substr(at, stx - at), {}};
    const std::string& clean = cleanFrames[packets.size()];
    if (stream.compare(stx, clean.size(), clean) == 0) {
      at = stx + clean.size();
    } else {
      at = std::min(stream.find(kStx, stx + 1), stream.size());
    }
    packet.bytes = stream.substr(stx, at - stx);
    packets.push_back(std::move(packet));
  }
  return packets;
}

}  // namespace sim::test_support
