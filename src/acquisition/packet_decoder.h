#pragma once

#include <cstdint>
#include <string_view>

#include "acquisition/acquisition_state.h"
#include "acquisition/live_packet.h"
#include "acquisition/packet_sink.h"
#include "acquisition/setup_window.h"
#include "acquisition/status_window.h"
#include "core/platform/clock.h"
#include "core/text_box.h"

namespace acquisition {

// Everything Parse writes besides the packet sink.
struct DecoderTargets {
  LivePacket& packet;
  KM4400SetUp& setup;
  StatusForm& status;
  core::TextBox& flowScaleFactorBox;  // SerialForm.FlowScaleFactor
  AcquisitionState& state;
  float& realTimeStamp;               // RealTimeStamp, owned by live plotting
};

// The packet decoder: finds the first STX of the joined receive text, cuts the fields into
// LivePacket, fills the set-up and status windows and hands the flow value on.
class PacketDecoder {
 public:
  PacketDecoder(DecoderTargets targets, const core::Clock& clock, PacketSink& sink);

  void Parse(std::string_view text);

 private:
  DecoderTargets t_;
  const core::Clock& clock_;
  PacketSink& sink_;
};

}  // namespace acquisition
