// The Test History in the real Qt program: chosen from the menu, it brings its index up to
// date in steps between events, shows every stored test in its table, can be cancelled and
// finished later, and a double-click in the table graphs the test on the chart.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <memory>

#include "core/platform/local_file_system.h"
#include "qt/qt_program.h"
#include "qt_test_support.h"
#include "records/test_file_writer.h"

namespace {

std::string StoredTest(int part) {
  records::SavedTest test;
  test.header = "Part #" + std::to_string(part) +
                "  ,Set Pressure: 10.0 PSI,  Cal Leak: 10.6 SCCM,  Monday, December 08, 2003,  "
                "3:45:12 PM";
  test.scale = {1490, 390, 490, 1.6, 10};
  test.setUp = {static_cast<double>(part), 5, 5, 10, 1.03, 10, 10};
  test.limits = {5, 10.6, 490, 10, 20, 1};
  test.testSeries = "A1";
  test.data = {{0, 612, 0, "F"}, {1, 640, 0, "S"}, {2, static_cast<std::int16_t>(690 + part), 0, "R"}, {0, 0, 0, ""}};
  return records::FormatTestFile(test);
}

class HistoryProgramTest : public ::testing::Test {
 public:
  static void SetUpTestSuite() { qt_test::EnsureApplication(); }

  void Start(int files) {
    QDir(folder_.path()).mkpath("Leak");
    for (int i = 1; i <= files; ++i) {
      QFile file(folder_.path() + QString("/Leak/1208A1.%1").arg(i));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(QByteArray::fromStdString(StoredTest(i % 3 + 10)));
    }
    std::string path = folder_.path().toStdString();
    files_ = std::make_unique<core::LocalFileSystem>(path, path);
    qt_ = std::make_unique<qtui::QtProgram>(*files_, path + "/data");
    ASSERT_TRUE(qt_->Start());
  }

  app::Program& Program() { return qt_->Program(); }
  QWidget& History() { return *qt_->Views().ViewOf(Program().testHistory); }
  QTableView& Table() { return *History().findChild<QTableView*>("Tests"); }
  void Choose() { qt_->Views().MainWindow()->findChild<QAction*>("TestHistoryItem")->trigger(); }
  bool ScanDone() { return !Program().HasBackgroundWork(); }

  QTemporaryDir folder_;
  std::unique_ptr<core::LocalFileSystem> files_;
  std::unique_ptr<qtui::QtProgram> qt_;
};

TEST_F(HistoryProgramTest, TheMenuItemShowsEveryStoredTestOnceTheIndexIsUpToDate) {
  Start(250);
  Choose();
  ASSERT_TRUE(History().isVisible());
  // The update runs between events: the window shows at once, the progress with it.
  EXPECT_TRUE(History().findChild<QProgressBar*>("ScanProgress")->isVisible());
  ASSERT_TRUE(qt_test::WaitFor([this] { return ScanDone(); }));
  qt_test::Spin(20);
  EXPECT_FALSE(History().findChild<QProgressBar*>("ScanProgress")->isVisible());
  EXPECT_EQ(Table().model()->rowCount(), 250);
  EXPECT_EQ(Program().testHistory.Summary.Caption(), "250 of 250 tests shown, 0 above the leak limit.");
}

TEST_F(HistoryProgramTest, ACancelledUpdateKeepsWhatIsIndexedAndRefreshFinishesIt) {
  Start(1200);
  Choose();
  History().findChild<QPushButton*>("CancelScan")->click();
  EXPECT_TRUE(ScanDone());
  int shown = Table().model()->rowCount();
  EXPECT_LT(shown, 1200);
  EXPECT_NE(Program().testHistory.Summary.Caption().find("cancelled"), std::string::npos);

  History().findChild<QPushButton*>("Refresh")->click();
  ASSERT_TRUE(qt_test::WaitFor([this] { return ScanDone(); }, 20000));
  EXPECT_EQ(Table().model()->rowCount(), 1200);
}

TEST_F(HistoryProgramTest, ADoubleClickInTheTableGraphsThatTest) {
  Start(3);
  Choose();
  ASSERT_TRUE(qt_test::WaitFor([this] { return ScanDone(); }));
  QTableView& table = Table();
  QPoint cell = table.visualRect(table.model()->index(1, 0)).center();
  qt_test::DoubleClick(*table.viewport(), cell);
  std::string file = table.model()->index(1, 0).data().toString().toStdString();
  EXPECT_EQ(Program().mainForm.PlotFooter.Text().rfind("Graphing File  " + folder_.path().toStdString() +
                                                           "/Leak/" + file + ",  Part #",
                                                       0),
            0u)
      << Program().mainForm.PlotFooter.Text();
}

}  // namespace
