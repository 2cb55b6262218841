#pragma once

#include <cstdint>

namespace trend {

// The chart's coordinate frame: the chart values of its right, top and bottom edges.
struct ChartFrame {
  std::int16_t ChartXMax = 0;
  std::int16_t ChartYTop = 0;
  std::int16_t ChartYBottom = 0;
};

}  // namespace trend
