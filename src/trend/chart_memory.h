#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace trend {

// The points plotted since the memory was last emptied; entries 0 to 769 are used.
class ChartMemory {
 public:
  static constexpr int kUsedEntries = 770;

  // Re-creates the three arrays empty with indices 0 to `upperIndex`; the counters stay.
  void Allocate(int upperIndex);
  // After a save: entries 0 to ChartCount cleared, the counters back to the start.
  void Empty();

  std::vector<std::int16_t> ChartX;
  std::vector<std::int16_t> ChartY;
  std::vector<std::string> ChartStatus;
  std::int16_t ChartIndex = 0;
  std::int16_t ChartCount = 0;
  bool ChartWrapped = false;
};

}  // namespace trend
