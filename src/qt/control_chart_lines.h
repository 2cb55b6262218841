#pragma once

#include <QList>
#include <QPointF>

#include "history/control_chart.h"

namespace qtui {

// What the control chart draws, in chart coordinates (x: ms since the epoch, y: flow): the
// data in time order, the points split into those within every limit and those beyond a
// control limit or the leak limit, each horizontal line across the whole x range (empty when
// the chart has no such line), and the ranges that hold them all with a margin.
struct ControlChartLines {
  QList<QPointF> data;
  QList<QPointF> within;
  QList<QPointF> beyond;
  QList<QPointF> centre;
  QList<QPointF> upper;
  QList<QPointF> lower;
  QList<QPointF> leak;
  double xMin = 0;
  double xMax = 0;
  double yMin = 0;
  double yMax = 0;
};

ControlChartLines LinesOf(const history::ControlChart& chart);

// The index of the chart point drawn at `at`, -1 when none is.
int PointAt(const history::ControlChart& chart, const QPointF& at);

}  // namespace qtui
