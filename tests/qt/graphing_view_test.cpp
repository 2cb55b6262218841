// Graphing stored files in the Qt program: the events keep running between the data lines, the
// chart repaints a few times rather than once per line, and closing the main window in the
// middle ends the graphing before the program shuts down.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QMainWindow>
#include <QTimer>

#include "doubles/scripted_serial_port.h"
#include "program_on_doubles.h"
#include "qt/picture_surface.h"
#include "qt/program_views.h"
#include "qt/raster_surface.h"
#include "qt_test_support.h"
#include "records/test_file_writer.h"

namespace {

class PaintCount : public QObject {
 public:
  explicit PaintCount(QWidget& widget) { widget.installEventFilter(this); }
  int count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return false;
  }
};

// A full stored test: 771 data lines rising across the paper.
std::string FullTest() {
  records::SavedTest test;
  test.header = "Part #12";
  test.scale = {1775, -200, 233, 1.6, 10};
  test.testSeries = "A1";
  for (int i = 0; i <= 770; ++i)
    test.data.push_back({static_cast<std::int16_t>(i), static_cast<std::int16_t>(i), 0, "R"});
  return records::FormatTestFile(test);
}

class GraphingViewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { qt_test::EnsureApplication(); }

  GraphingViewTest() : views_(program(), chart_, picture_) {
    program().Form_Load();
    program().mainForm.Trend_Screen_Item[1]->Click();
    program().mainForm.Show();
    std::string path = doubles_.Path("Leak/1208A1.1");
    QFile file(QString::fromStdString(path));
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray::fromStdString(FullTest()));
    file.close();
    for (int i = 0; i < 3; ++i) {
      program().loadForm.List1.AddItem("1208A1.1");
      program().selectedFiles[static_cast<std::size_t>(i)] = path;
    }
    qt_test::Spin(50);  // the main window is painted once
  }

  app::Program& program() { return doubles_.program; }
  void Graph() { views_.MainWindow()->findChild<QAction*>("Graph")->trigger(); }

  doubles::ScriptedSerialPort port_;
  qtui::RasterSurface chart_;
  qtui::PictureSurface picture_;
  qt_test::ProgramOnDoubles doubles_{port_};
  qtui::ProgramViews views_;
};

TEST_F(GraphingViewTest, EventsRunBetweenLinesAndTheChartRepaintsCoalesced) {
  auto* chart = views_.MainWindow()->findChild<QWidget*>("LeftRightScreen");
  ASSERT_NE(chart, nullptr);
  PaintCount paints(*chart);
  int timerRuns = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&] { ++timerRuns; });
  ticker.start(0);
  Graph();
  ticker.stop();
  EXPECT_GT(timerRuns, 0);  // the events ran while the files were drawn
  EXPECT_LT(paints.count, 100) << "2313 data lines";
  EXPECT_FALSE(program().plotState.GraphingStoredFile);
}

TEST_F(GraphingViewTest, ClosingTheMainWindowEndsTheGraphingThenShutsDown) {
  QTimer::singleShot(0, views_.MainWindow(), [this] { views_.MainWindow()->close(); });
  Graph();
  EXPECT_TRUE(program().Ended());
  EXPECT_FALSE(program().plotState.GraphingStoredFile);
  EXPECT_LT(program().chartMemory.ChartX[770], 770);  // the first file was not drawn to its end
  EXPECT_TRUE(QFile::exists(QString::fromStdString(doubles_.Path("testconfig.txt"))));
}

}  // namespace
