#include "qt/control_chart_plot.h"

#include <QCursor>
#include <QDateTime>
#include <QPointer>
#include <QToolTip>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLegend>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

#include "qt/control_chart_lines.h"

namespace qtui {
namespace {

constexpr double kMarkerSize = 9;

QPen LinePen(const QColor& colour, Qt::PenStyle style = Qt::SolidLine) {
  QPen pen(colour, 2, style);
  pen.setCosmetic(true);
  return pen;
}

void Show(QXYSeries& series, const QList<QPointF>& points) {
  series.replace(points);
  // An absent line leaves the legend too.
  series.setVisible(!points.isEmpty());
}

}  // namespace

ControlChartPlot::ControlChartPlot(history::ControlChartWindow& model, QWidget* parent)
    : QChartView(new QChart, parent), model_(model) {
  setRenderHint(QPainter::Antialiasing);
  chart()->legend()->setAlignment(Qt::AlignBottom);
  time_ = new QDateTimeAxis(this);
  time_->setFormat("yyyy-MM-dd hh:mm");
  time_->setTitleText("Tested");
  flow_ = new QValueAxis(this);
  flow_->setTitleText("Read-phase highest flow");
  chart()->addAxis(time_, Qt::AlignBottom);
  chart()->addAxis(flow_, Qt::AlignLeft);
  // Lines first, so the points are drawn over them.
  centre_ = AddLine("Centre", "Centre", LinePen(QColor(0, 128, 0)));
  upper_ = AddLine("UpperLimit", "UCL", LinePen(QColor(230, 120, 0), Qt::DashLine));
  lower_ = AddLine("LowerLimit", "LCL", LinePen(QColor(230, 120, 0), Qt::DashLine));
  leak_ = AddLine("LeakLimit", "Leak limit", LinePen(QColor(150, 0, 170), Qt::DashDotLine));
  data_ = AddLine("Data", "Tests", LinePen(QColor(90, 110, 160)));
  within_ = AddPoints("Points", "Within limits", QColor(30, 80, 200));
  beyond_ = AddPoints("BeyondPoints", "Beyond a limit", QColor(220, 0, 0));
  QPointer<ControlChartPlot> alive(this);
  model_.ObserveChart([alive] {
    if (alive) alive->Redraw();
  });
  Redraw();
}

QLineSeries* ControlChartPlot::AddLine(const char* name, const QString& title, const QPen& pen) {
  auto* series = new QLineSeries(this);
  series->setObjectName(name);
  series->setName(title);
  series->setPen(pen);
  chart()->addSeries(series);
  series->attachAxis(time_);
  series->attachAxis(flow_);
  return series;
}

QScatterSeries* ControlChartPlot::AddPoints(const char* name, const QString& title,
                                            const QColor& colour) {
  auto* series = new QScatterSeries(this);
  series->setObjectName(name);
  series->setName(title);
  series->setMarkerSize(kMarkerSize);
  series->setColor(colour);
  series->setBorderColor(colour.darker(130));
  chart()->addSeries(series);
  series->attachAxis(time_);
  series->attachAxis(flow_);
  connect(series, &QScatterSeries::hovered, this, &ControlChartPlot::ShowTestAt);
  connect(series, &QScatterSeries::clicked, this,
          [this](const QPointF& at) { model_.ClickPoint(PointAt(model_.Chart(), at)); });
  return series;
}

void ControlChartPlot::Redraw() {
  ControlChartLines lines = LinesOf(model_.Chart());
  Show(*data_, lines.data);
  // The data line's points are the scatters': their legend entries are enough.
  for (QLegendMarker* marker : chart()->legend()->markers(data_)) marker->setVisible(false);
  Show(*within_, lines.within);
  Show(*beyond_, lines.beyond);
  Show(*centre_, lines.centre);
  Show(*upper_, lines.upper);
  Show(*lower_, lines.lower);
  Show(*leak_, lines.leak);
  time_->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(lines.xMin)),
                  QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(lines.xMax)));
  flow_->setRange(lines.yMin, lines.yMax);
  flow_->applyNiceNumbers();
}

void ControlChartPlot::ShowTestAt(const QPointF& at, bool hovered) {
  int index = PointAt(model_.Chart(), at);
  if (!hovered || index < 0) {
    QToolTip::hideText();
    return;
  }
  const history::ChartPoint& point = model_.Chart().points[index];
  QString text = QString::fromStdString(point.path);
  if (!point.station.empty()) text = QString::fromStdString(point.station) + ": " + text;
  QToolTip::showText(QCursor::pos(), text, this);
}

}  // namespace qtui
