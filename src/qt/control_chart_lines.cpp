#include "qt/control_chart_lines.h"

#include <algorithm>
#include <cmath>

namespace qtui {
namespace {

// One test alone still gets an hour of time axis around it.
constexpr double kLonePointMs = 30 * 60 * 1000.0;
constexpr double kMargin = 0.05;

QPointF PointOf(const history::ChartPoint& point) {
  return QPointF(static_cast<double>(point.testedAtMs), point.value);
}

QList<QPointF> Across(const ControlChartLines& lines, std::optional<double> level) {
  if (!level) return {};
  return {QPointF(lines.xMin, *level), QPointF(lines.xMax, *level)};
}

void SetXRange(const history::ControlChart& chart, ControlChartLines& lines) {
  if (chart.points.empty()) {
    lines.xMax = lines.xMin + 2 * kLonePointMs;
    return;
  }
  double first = static_cast<double>(chart.points.front().testedAtMs);
  double last = static_cast<double>(chart.points.back().testedAtMs);
  double pad = last > first ? (last - first) * kMargin : kLonePointMs;
  lines.xMin = first - pad;
  lines.xMax = last + pad;
}

void SetYRange(const history::ControlChart& chart, ControlChartLines& lines) {
  std::vector<double> levels{chart.centre};
  for (const auto& point : chart.points) levels.push_back(point.value);
  for (auto level : {chart.upperLimit, chart.lowerLimit, chart.leakLimit}) {
    if (level) levels.push_back(*level);
  }
  auto [low, high] = std::minmax_element(levels.begin(), levels.end());
  double span = *high - *low;
  // Equal values still get a band around them.
  double pad = span > 0 ? span * kMargin : std::max(1.0, std::abs(*high) * 0.1);
  lines.yMin = *low - pad;
  lines.yMax = *high + pad;
}

}  // namespace

ControlChartLines LinesOf(const history::ControlChart& chart) {
  ControlChartLines lines;
  for (std::size_t i = 0; i < chart.points.size(); ++i) {
    QPointF at = PointOf(chart.points[i]);
    lines.data << at;
    bool beyond = (i < chart.beyondControl.size() && chart.beyondControl[i]) ||
                  (i < chart.beyondLeakLimit.size() && chart.beyondLeakLimit[i]);
    (beyond ? lines.beyond : lines.within) << at;
  }
  SetXRange(chart, lines);
  SetYRange(chart, lines);
  if (!chart.points.empty()) lines.centre = Across(lines, chart.centre);
  lines.upper = Across(lines, chart.upperLimit);
  lines.lower = Across(lines, chart.lowerLimit);
  lines.leak = Across(lines, chart.leakLimit);
  return lines;
}

int PointAt(const history::ControlChart& chart, const QPointF& at) {
  for (std::size_t i = 0; i < chart.points.size(); ++i) {
    // The series hand back the very point they were given: exact equality finds it.
    QPointF drawn = PointOf(chart.points[i]);
    if (drawn.x() == at.x() && drawn.y() == at.y()) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace qtui
