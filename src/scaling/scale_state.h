#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace scaling {

// The scaling and time-scale values shared across the program.
struct ScaleState {
  // Chart positions advanced per plotted packet, and packets passed over between plotted ones.
  std::int16_t TimeMultiplier = 1;
  std::int16_t PacketSkip = 0;
  // The test status of the previous packet as the flow calibration saw it.
  std::string CalPrevTestStatus;
  // Chart values of the top (100 %) and bottom (-20 %) edges.
  std::int16_t ChartMax = 0;
  std::int16_t ChartMin = 0;
  // The flow scale count seen by the previous scaling update; unset compares as empty.
  std::optional<std::string> LastFlowScaleCount;
};

}  // namespace scaling
