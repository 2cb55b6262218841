#pragma once

#include <QtCharts/QChartView>

#include "history/control_chart_window.h"

class QDateTimeAxis;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace qtui {

// The chart of a control chart window: the tests' line in time order, their points (red where
// beyond a control limit or the leak limit), the centre line, the dashed control limits and
// the leak limit. Redrawn whenever the window gets a new chart. Hovering a point names its test
// file; clicking it is the window's ClickPoint.
class ControlChartPlot : public QChartView {
  Q_OBJECT

 public:
  ControlChartPlot(history::ControlChartWindow& model, QWidget* parent);

 private:
  QLineSeries* AddLine(const char* name, const QString& title, const QPen& pen);
  QScatterSeries* AddPoints(const char* name, const QString& title, const QColor& colour);
  void Redraw();
  void ShowTestAt(const QPointF& at, bool hovered);

  history::ControlChartWindow& model_;
  QDateTimeAxis* time_;
  QValueAxis* flow_;
  QLineSeries* data_;
  QScatterSeries* within_;
  QScatterSeries* beyond_;
  QLineSeries* centre_;
  QLineSeries* upper_;
  QLineSeries* lower_;
  QLineSeries* leak_;
};

}  // namespace qtui
