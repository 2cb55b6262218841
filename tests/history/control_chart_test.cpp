// The individuals chart: centre, average moving range and limits from hand-worked tables, the
// points put in time order, and which points are flagged.
#include "history/control_chart.h"

#include <gtest/gtest.h>

namespace {

using history::BuildControlChart;
using history::ChartPoint;

// Points one minute apart, in the order given.
std::vector<ChartPoint> InTurn(const std::vector<double>& values) {
  std::vector<ChartPoint> points;
  for (std::size_t i = 0; i < values.size(); ++i) {
    points.push_back(
        {static_cast<std::int64_t>(i) * 60000, values[i], "T" + std::to_string(i), ""});
  }
  return points;
}

struct HandWorked {
  std::vector<double> values;
  double centre;
  double movingRange;
  std::vector<bool> beyond;
};

TEST(ControlChart, CentreLimitsAndFlagsMatchHandWorkedTables) {
  const HandWorked cases[] = {
      // Moving ranges 2 1 2 7: 3; limits 5.2 +- 7.98 hold every point.
      {{2, 4, 3, 5, 12}, 5.2, 3.0, {false, false, false, false, false}},
      // Moving ranges 0 1 1 1 1 1 1 0 9: 15/9; UCL 4.2 + 4.4333 = 8.6333, the spike is beyond.
      {{3, 3, 4, 3, 4, 3, 4, 3, 3, 12}, 4.2, 15.0 / 9, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
      // The same ranges below: LCL 9.4 - 4.4333 = 4.9667, the drop is beyond.
      {{10, 10, 11, 10, 11, 10, 11, 10, 10, 1}, 9.4, 15.0 / 9, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
  };
  for (const HandWorked& c : cases) {
    auto chart = BuildControlChart(12, InTurn(c.values), std::nullopt);
    EXPECT_DOUBLE_EQ(chart.centre, c.centre);
    ASSERT_TRUE(chart.averageMovingRange && chart.upperLimit && chart.lowerLimit);
    EXPECT_DOUBLE_EQ(*chart.averageMovingRange, c.movingRange);
    EXPECT_DOUBLE_EQ(*chart.upperLimit, c.centre + 2.66 * c.movingRange);
    EXPECT_DOUBLE_EQ(*chart.lowerLimit, c.centre - 2.66 * c.movingRange);
    EXPECT_EQ(chart.beyondControl, c.beyond) << c.values.size() << " points, centre " << c.centre;
    EXPECT_EQ(chart.beyondLeakLimit, std::vector<bool>(c.values.size(), false));
    EXPECT_EQ(chart.partNumber, 12);
  }
}

TEST(ControlChart, FewerThanTwoPointsHaveNoLimits) {
  auto none = BuildControlChart(1, {}, 5.0);
  EXPECT_TRUE(none.points.empty());
  EXPECT_FALSE(none.upperLimit || none.lowerLimit || none.averageMovingRange);

  auto one = BuildControlChart(1, InTurn({7.5}), 5.0);
  EXPECT_DOUBLE_EQ(one.centre, 7.5);
  EXPECT_FALSE(one.upperLimit || one.lowerLimit || one.averageMovingRange);
  EXPECT_EQ(one.beyondControl, std::vector<bool>{false});
  EXPECT_EQ(one.beyondLeakLimit, std::vector<bool>{true});
}

TEST(ControlChart, EqualValuesGiveLimitsOnTheCentreAndNothingBeyond) {
  auto chart = BuildControlChart(1, InTurn({4, 4, 4}), std::nullopt);
  EXPECT_DOUBLE_EQ(*chart.averageMovingRange, 0);
  EXPECT_DOUBLE_EQ(*chart.upperLimit, 4);
  EXPECT_DOUBLE_EQ(*chart.lowerLimit, 4);
  EXPECT_EQ(chart.beyondControl, std::vector<bool>(3, false));
}

TEST(ControlChart, PointsAreTakenInTimeOrderAndEqualTimesKeepTheirOrder) {
  std::vector<ChartPoint> points{{3000, 9, "c", ""},
                                 {1000, 1, "a", ""},
                                 {2000, 5, "b1", ""},
                                 {2000, 6, "b2", ""},
                                 {1000, 2, "a2", ""}};
  auto chart = BuildControlChart(1, points, std::nullopt);
  std::vector<std::string> order;
  for (const auto& p : chart.points) order.push_back(p.path);
  EXPECT_EQ(order, (std::vector<std::string>{"a", "a2", "b1", "b2", "c"}));
  // Moving ranges of the ordered values 1 2 5 6 9: 1 3 1 3.
  EXPECT_DOUBLE_EQ(*chart.averageMovingRange, 2);
}

TEST(ControlChart, PointsAboveTheLeakLimitAreFlaggedOnTheirOwn) {
  auto chart = BuildControlChart(1, InTurn({3, 4, 4.01, 5}), 4.0);
  EXPECT_EQ(chart.leakLimit, 4.0);
  // Equal to the limit is not above it.
  EXPECT_EQ(chart.beyondLeakLimit, (std::vector<bool>{false, false, true, true}));
  EXPECT_EQ(chart.beyondControl, std::vector<bool>(4, false));
}

}  // namespace
