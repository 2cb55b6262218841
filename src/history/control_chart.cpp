#include "history/control_chart.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace history {
namespace {

// The individuals chart's constant: 3 / d2 for moving ranges of two points.
constexpr double kMovingRangeFactor = 2.66;

double Mean(const std::vector<ChartPoint>& points) {
  double sum = std::accumulate(points.begin(), points.end(), 0.0,
                               [](double total, const ChartPoint& p) { return total + p.value; });
  return sum / static_cast<double>(points.size());
}

double AverageMovingRange(const std::vector<ChartPoint>& points) {
  double sum = 0;
  for (std::size_t i = 1; i < points.size(); ++i) {
    sum += std::abs(points[i].value - points[i - 1].value);
  }
  return sum / static_cast<double>(points.size() - 1);
}

}  // namespace

ControlChart BuildControlChart(double partNumber, std::vector<ChartPoint> points,
                               std::optional<double> leakLimit) {
  std::stable_sort(points.begin(), points.end(), [](const ChartPoint& a, const ChartPoint& b) {
    return a.testedAtMs < b.testedAtMs;
  });
  ControlChart chart;
  chart.partNumber = partNumber;
  chart.points = std::move(points);
  chart.leakLimit = leakLimit;
  const auto& shown = chart.points;
  if (!shown.empty()) chart.centre = Mean(shown);
  if (shown.size() >= 2) {
    double range = AverageMovingRange(shown);
    chart.averageMovingRange = range;
    chart.upperLimit = chart.centre + kMovingRangeFactor * range;
    chart.lowerLimit = chart.centre - kMovingRangeFactor * range;
  }
  for (const ChartPoint& point : shown) {
    bool beyond =
        chart.upperLimit && (point.value > *chart.upperLimit || point.value < *chart.lowerLimit);
    chart.beyondControl.push_back(beyond);
    chart.beyondLeakLimit.push_back(leakLimit && point.value > *leakLimit);
  }
  return chart;
}

}  // namespace history
