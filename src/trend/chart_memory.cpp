#include "trend/chart_memory.h"

#include <algorithm>

namespace trend {

void ChartMemory::Allocate(int upperIndex) {
  // Never smaller than the entries plotting writes, whatever the paper length says.
  auto size = static_cast<std::size_t>(std::max(upperIndex, kUsedEntries) + 1);
  ChartX.assign(size, 0);
  ChartY.assign(size, 0);
  ChartStatus.assign(size, std::string());
}

void ChartMemory::Empty() {
  for (std::size_t i = 0; i <= static_cast<std::size_t>(std::max<std::int16_t>(ChartCount, 0)); ++i) {
    if (i < ChartX.size()) ChartX[i] = 0;
    if (i < ChartY.size()) ChartY[i] = 0;
    if (i < ChartStatus.size()) ChartStatus[i].clear();
  }
  ChartCount = 0;
  ChartWrapped = false;
  ChartIndex = 0;
}

}  // namespace trend
