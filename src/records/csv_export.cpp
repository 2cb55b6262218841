#include "records/csv_export.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/numbers.h"

namespace records {
namespace {

std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

// Chart value to flow units: the flow zero line is 0, the chart maximum the full scale flow.
struct FlowAxis {
  double flowZero;
  double span;
  double fullScale;
  std::optional<double> Flow(double chartValue) const {
    if (span == 0) return std::nullopt;
    return (chartValue - flowZero) / span * fullScale;
  }
};

std::string Field(std::optional<double> value) { return value ? core::NumberText(*value) : ""; }

}  // namespace

std::string FormatTestCsv(const StoredTestFile& test) {
  const StoredScale& scale = test.scale;
  FlowAxis axis{static_cast<double>(scale.flowZeroYaxisValue),
                static_cast<double>(scale.chartMax) - scale.flowZeroYaxisValue,
                core::NumericValue(test.values.FullScaleFlow)};
  std::vector<DataLine> points;
  std::copy_if(test.data.begin(), test.data.end(), std::back_inserter(points),
               [](const DataLine& line) { return !line.status.empty(); });
  std::stable_sort(points.begin(), points.end(),
                   [](const DataLine& a, const DataLine& b) { return a.x < b.x; });

  std::string csv = "\"Time (s)\",\"Flow\",\"Compensated Flow\",\"Test Status\"\r\n";
  // The seconds per division as the file wrote them, not the single-precision value's tail.
  double secPerDiv = core::NumericValue(core::SingleText(scale.secPerDiv));
  for (const DataLine& point : points) {
    double seconds = point.x * secPerDiv / 10;
    csv += core::NumberText(seconds) + "," + Field(axis.Flow(point.y)) + "," +
           Field(axis.Flow(static_cast<double>(point.y) + point.offset)) + "," +
           Quoted(point.status) + "\r\n";
  }
  return csv;
}

}  // namespace records
