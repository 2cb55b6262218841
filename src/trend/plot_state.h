#pragma once

#include <cstdint>
#include <string>

namespace trend {

// The previous point drawn: position, value, and value with the temperature offset.
struct LastPoint {
  std::int16_t LastX = 0;
  std::int16_t LastY = 0;
  std::int16_t LastYComp = 0;
};

// Live plotting's state, the temperature compensation and the plot sequence.
struct PlotState {
  std::int16_t ChartPosition = 0;
  std::string PrevTestStatus;
  std::int16_t SkipCounter = 0;
  float RealTimeStamp = 0;
  LastPoint Last;

  std::int32_t TempCompOffset = 0;
  std::int32_t StoredTempCompOffset = 0;
  bool GraphingStoredFile = false;
  std::int32_t ZeroStartFlowCount = 0;
  std::int32_t ZeroEndFlowCount = 0;
  std::int32_t LiveTempCompOffset = 0;

  std::int32_t PlotIndex = 0;
  std::int16_t PlotsSinceClear = 0;
};

}  // namespace trend
