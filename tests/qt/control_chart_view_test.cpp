// The Control Chart window's view over its model: the series hold the model's points and
// lines, points beyond a limit are the red ones, a click on a point reaches the model with its
// index, hovering names the test file, and the picture is written as PNG and PDF.
#include "qt/control_chart_view.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <QtTest/QTest>
#include <memory>

#include "qt_test_support.h"

namespace {

constexpr std::int64_t kStartMs = 1070898312000;  // 2003-12-08

// Ten tests a day apart: a spike beyond the upper control limit (8.63) and three at 4 above a
// leak limit of 3.5 but within the control limits.
history::ControlChart TenTests() {
  std::vector<history::ChartPoint> points;
  const double values[] = {3, 3, 4, 3, 4, 3, 4, 3, 3, 12};
  for (int i = 0; i < 10; ++i) {
    points.push_back(
        {kStartMs + i * 86400000LL, values[i], "/leak/1208A1." + std::to_string(i), ""});
  }
  return history::BuildControlChart(12, points, 3.5);
}

std::vector<double> Ys(const QXYSeries& series) {
  std::vector<double> ys;
  for (const QPointF& p : series.points()) ys.push_back(p.y());
  return ys;
}

class ControlChartViewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { qt_test::EnsureApplication(); }

  ControlChartViewTest() {
    model_.SetChart(TenTests());
    model_.OnPointClick([this](int index) { clicked_.push_back(index); });
    window_.reset(qtui::BuildControlChartView(model_));
    window_->show();
  }

  QChartView& Plot() { return *window_->findChild<QChartView*>("Chart"); }
  template <typename S>
  S& Series(const char* name) {
    auto* series = Plot().chart()->findChild<S*>(name);
    EXPECT_NE(series, nullptr) << name;
    return *series;
  }

  history::ControlChartWindow model_;
  std::vector<int> clicked_;
  std::unique_ptr<QWidget> window_;
};

TEST_F(ControlChartViewTest, SeriesHoldTheModelsPointsAndLines) {
  const history::ControlChart& chart = model_.Chart();
  auto& data = Series<QLineSeries>("Data");
  ASSERT_EQ(data.count(), 10);
  EXPECT_EQ(data.at(9), QPointF(kStartMs + 9 * 86400000.0, 12));
  EXPECT_EQ(Ys(Series<QScatterSeries>("Points")), (std::vector<double>{3, 3, 3, 3, 3, 3}));
  EXPECT_EQ(Ys(Series<QScatterSeries>("BeyondPoints")), (std::vector<double>{4, 4, 4, 12}));
  EXPECT_EQ(Series<QScatterSeries>("BeyondPoints").color(), QColor(220, 0, 0));
  EXPECT_EQ(Ys(Series<QLineSeries>("Centre")), std::vector<double>(2, chart.centre));
  EXPECT_EQ(Ys(Series<QLineSeries>("UpperLimit")), std::vector<double>(2, *chart.upperLimit));
  EXPECT_EQ(Ys(Series<QLineSeries>("LowerLimit")), std::vector<double>(2, *chart.lowerLimit));
  EXPECT_EQ(Ys(Series<QLineSeries>("LeakLimit")), std::vector<double>(2, 3.5));
  EXPECT_EQ(Series<QLineSeries>("UpperLimit").pen().style(), Qt::DashLine);
  auto axes = Plot().chart()->axes(Qt::Vertical);
  ASSERT_EQ(axes.size(), 1);
  EXPECT_EQ(axes.front()->titleText(), "Read-phase highest flow");
  auto* flow = static_cast<QValueAxis*>(axes.front());
  EXPECT_LT(flow->min(), *chart.lowerLimit);
  EXPECT_GT(flow->max(), 12);

  // One test: its point and centre, no control limits.
  model_.SetChart(history::BuildControlChart(12, {{kStartMs, 5, "/leak/a", ""}}, std::nullopt));
  EXPECT_EQ(Series<QLineSeries>("Data").count(), 1);
  EXPECT_EQ(Series<QScatterSeries>("Points").count(), 1);
  EXPECT_EQ(Series<QScatterSeries>("BeyondPoints").count(), 0);
  EXPECT_EQ(Series<QLineSeries>("UpperLimit").count(), 0);
  EXPECT_FALSE(Series<QLineSeries>("LeakLimit").isVisible());
}

TEST_F(ControlChartViewTest, ClickingAPointReachesTheModelWithItsIndex) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  for (auto [name, index] : {std::pair{"BeyondPoints", 9}, std::pair{"Points", 3}}) {
    auto& series = Series<QScatterSeries>(name);
    const auto& point = model_.Chart().points[index];
    QPointF at(static_cast<double>(point.testedAtMs), point.value);
    QPoint onScreen = Plot().mapFromScene(Plot().chart()->mapToPosition(at, &series));
    QTest::mouseClick(Plot().viewport(), Qt::LeftButton, {}, onScreen);
  }
  EXPECT_EQ(clicked_, (std::vector<int>{9, 3}));

  auto& within = Series<QScatterSeries>("Points");
  emit within.hovered(within.at(1), true);
  EXPECT_EQ(QToolTip::text(), "/leak/1208A1.1");
}

TEST_F(ControlChartViewTest, RendererWritesPngAndPdfOrSaysWhyNot) {
  QTemporaryDir folder;
  const auto& render = model_.PictureRenderer();
  ASSERT_TRUE(render);
  std::string png = (folder.path() + "/chart.png").toStdString();
  std::string pdf = (folder.path() + "/chart.pdf").toStdString();
  EXPECT_EQ(render(png, "png"), "");
  EXPECT_EQ(render(pdf, "pdf"), "");
  QFile pngFile(QString::fromStdString(png));
  ASSERT_TRUE(pngFile.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pngFile.read(8).startsWith("\x89PNG"));
  QFile pdfFile(QString::fromStdString(pdf));
  ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdfFile.read(4).startsWith("%PDF"));
  EXPECT_GT(pdfFile.size(), 1000);

  std::string missing = (folder.path() + "/no such folder/chart.png").toStdString();
  EXPECT_NE(render(missing, "png"), "");
  EXPECT_NE(render(missing, "pdf"), "");
  EXPECT_FALSE(QFile::exists(QString::fromStdString(missing)));

  window_.reset();
  EXPECT_NE(render(png, "png"), "") << "a closed view cannot draw";
}

}  // namespace
