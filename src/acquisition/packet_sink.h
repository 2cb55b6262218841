#pragma once

#include <cstdint>

namespace acquisition {

// What the decoder hands each decoded packet on to, in this order: the flow calibration,
// the chart bias, live plotting. The program wires it to the scaling and trend subsystems.
class PacketSink {
 public:
  virtual ~PacketSink() = default;
  virtual void CalibrateData() = 0;
  virtual std::int32_t CalcChartBias() = 0;
  virtual void PlotHist(std::int16_t& y) = 0;
};

}  // namespace acquisition
