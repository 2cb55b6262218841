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

}  // namespace trend
