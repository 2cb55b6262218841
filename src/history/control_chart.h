#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace history {

// One test on a control chart: when it was saved, its read phase's highest flow, and the file
// it came from.
struct ChartPoint {
  std::int64_t testedAtMs = 0;
  double value = 0;
  std::string path;
  std::string station;  // empty for this station's own tests
};

// An individuals chart of one part number: the points in time order, the centre line and the
// control limits from the average moving range (mean +- 2.66 x average moving range), the
// leak limit as a line of its own, and which points lie beyond a control limit or the leak
// limit. With fewer than two points there is no moving range and no control limits.
struct ControlChart {
  double partNumber = 0;
  std::vector<ChartPoint> points;  // time order
  double centre = 0;
  std::optional<double> averageMovingRange;
  std::optional<double> upperLimit;
  std::optional<double> lowerLimit;
  std::optional<double> leakLimit;  // the newest test's leak limit
  std::vector<bool> beyondControl;  // per point
  std::vector<bool> beyondLeakLimit;
};

// Builds the chart; points may come in any order (equal times keep their order).
ControlChart BuildControlChart(double partNumber, std::vector<ChartPoint> points,
                               std::optional<double> leakLimit);

}  // namespace history
