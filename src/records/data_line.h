#pragma once

#include <cstdint>
#include <string>

namespace records {

// One data line of a test data file: a chart memory entry and the offset saved with it.
struct DataLine {
  std::int16_t x = 0;       // ChartX: chart position
  std::int16_t y = 0;       // ChartY: chart value before the offset
  std::int32_t offset = 0;  // TempCompOffset at the moment of saving
  std::string status;       // ChartStatus: the test status letter, empty for an unused entry

  bool operator==(const DataLine&) const = default;
};

}  // namespace records
