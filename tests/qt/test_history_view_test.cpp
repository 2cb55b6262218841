// The Test History window's view over its model: the table reads the box's headings, rows and
// marks; the operator's heading clicks, selections and double-clicks reach the box; the scan's
// progress and Cancel follow the model; Escape is Cancel only while the scan shows.
#include "qt/test_history_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QHeaderView>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QtTest/QTest>
#include <memory>

#include "qt/table_box_model.h"
#include "qt_test_support.h"
#include "views_fixture.h"

namespace {

using qt_test::DoubleClick;
using qt_test::ViewsTest;

core::TableBox::Row Row(const std::string& file, bool marked = false) {
  return {{file, "2003-12-08", "3:45:12 PM", "12"}, marked};
}

class TestHistoryViewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { qt_test::EnsureApplication(); }

  TestHistoryViewTest() {
    model_.Tests.SetRows({Row("1208A1.1"), Row("1208A1.2", true), Row("1208A1.3")});
    model_.Tests.OnSort([this](int column) {
      sorted_.push_back(column);
      if (!declineSort_) model_.Tests.ShowSort(column, !model_.Tests.SortAscending());
    });
    model_.Tests.OnDblClick([this](int row) { doubleClicked_.push_back(row); });
    window_.reset(qtui::BuildTestHistoryView(model_));
    window_->show();
  }

  QTableView& Table() { return *window_->findChild<QTableView*>("Tests"); }
  QAbstractItemModel& Items() { return *Table().model(); }
  QPoint CellAt(int row, int column = 0) {
    return Table().visualRect(Items().index(row, column)).center();
  }
  std::vector<int> ViewSelection() {
    std::vector<int> rows;
    for (const QModelIndex& index : Table().selectionModel()->selectedRows())
      rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
  }

  history::TestHistoryWindow model_;
  std::vector<int> sorted_;
  std::vector<int> doubleClicked_;
  bool declineSort_ = false;
  std::unique_ptr<QWidget> window_;
};

TEST_F(TestHistoryViewTest, TableShowsTheBoxsHeadingsRowsAndMarks) {
  ASSERT_EQ(Items().columnCount(), static_cast<int>(model_.Tests.Headings().size()));
  EXPECT_EQ(Items().headerData(model_.Tests.ColumnOf("Part #"), Qt::Horizontal).toString(), "Part #");
  ASSERT_EQ(Items().rowCount(), 3);
  EXPECT_EQ(Items().index(1, 0).data().toString(), "1208A1.2");
  // A row shorter than the headings shows blanks, not a crash.
  EXPECT_EQ(Items().index(1, 10).data().toString(), "");
  EXPECT_EQ(Items().index(1, 0).data(Qt::BackgroundRole).value<QColor>(),
            qtui::TableBoxModel::MarkedBackground());
  EXPECT_TRUE(Items().index(1, 0).data(Qt::FontRole).value<QFont>().bold());
  EXPECT_FALSE(Items().index(0, 0).data(Qt::BackgroundRole).isValid());
  EXPECT_FALSE(Items().index(0, 0).data(Qt::FontRole).isValid());

  // Rows replaced by as many others still show the new ones.
  model_.Tests.SetRows({Row("0101B.1", true), Row("0101B.2"), Row("0101B.3")});
  EXPECT_EQ(Items().index(0, 0).data().toString(), "0101B.1");
  EXPECT_TRUE(Items().index(0, 0).data(Qt::BackgroundRole).isValid());
  model_.Tests.SetRows({});
  EXPECT_EQ(Items().rowCount(), 0);
}

TEST_F(TestHistoryViewTest, HeadingClickAsksTheModelToSortAndShowsItsSort) {
  QHeaderView& header = *Table().horizontalHeader();
  auto clickHeading = [&](int column) {
    QPoint at(header.sectionViewportPosition(column) + header.sectionSize(column) / 2,
              header.height() / 2);
    QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, at);
  };
  clickHeading(3);
  EXPECT_EQ(sorted_, std::vector<int>{3});
  EXPECT_TRUE(header.isSortIndicatorShown());
  EXPECT_EQ(header.sortIndicatorSection(), 3);
  EXPECT_EQ(header.sortIndicatorOrder(), Qt::DescendingOrder);
  // An owner that does not re-sort leaves the heading showing the sort it has.
  declineSort_ = true;
  clickHeading(1);
  EXPECT_EQ(sorted_, (std::vector<int>{3, 1}));
  EXPECT_EQ(header.sortIndicatorSection(), 3);
}

TEST_F(TestHistoryViewTest, SelectionAndDoubleClickGoBothWays) {
  QTest::mouseClick(Table().viewport(), Qt::LeftButton, {}, CellAt(0));
  QTest::mouseClick(Table().viewport(), Qt::LeftButton, Qt::ControlModifier, CellAt(2, 4));
  EXPECT_EQ(model_.Tests.Selection(), (std::vector<int>{0, 2}));

  model_.Tests.SetSelection({1, 2});
  EXPECT_EQ(ViewSelection(), (std::vector<int>{1, 2}));

  DoubleClick(*Table().viewport(), CellAt(0));
  EXPECT_EQ(doubleClicked_, std::vector<int>{0});
  EXPECT_EQ(model_.Tests.Selection(), std::vector<int>{0});
  EXPECT_EQ(ViewSelection(), std::vector<int>{0});
}

TEST_F(TestHistoryViewTest, ProgressAndCancelFollowTheScan) {
  auto& progress = *window_->findChild<QProgressBar*>("ScanProgress");
  auto& cancel = *window_->findChild<QPushButton*>("CancelScan");
  int cancels = 0;
  model_.CancelScan.OnClick([&] { ++cancels; });
  EXPECT_FALSE(progress.isVisible());
  EXPECT_FALSE(cancel.isVisible());

  model_.ScanProgress.SetVisible(true);
  model_.CancelScan.SetVisible(true);
  model_.ScanProgress.SetProgress(40, 200);
  EXPECT_TRUE(progress.isVisible());
  EXPECT_EQ(progress.value(), 40);
  EXPECT_EQ(progress.maximum(), 200);
  QTest::mouseClick(&cancel, Qt::LeftButton);
  EXPECT_EQ(cancels, 1);

  // A whole past the widget's int range still shows in proportion.
  model_.ScanProgress.SetProgress(3'000'000'000LL, 6'000'000'000LL);
  EXPECT_NEAR(static_cast<double>(progress.value()) / progress.maximum(), 0.5, 1e-6);
}

TEST_F(ViewsTest, HistoryAndControlChartWindowsAreBuiltWhenShown) {
  program().testHistory.Show();
  EXPECT_NE(In<QTableView>(program().testHistory, "Tests").model(), nullptr);
  program().controlChart.Show();
  EXPECT_NE(views_.ViewOf(program().controlChart), nullptr);
  EXPECT_TRUE(program().controlChart.PictureRenderer());
  // The title-bar close only hides it.
  views_.ViewOf(program().testHistory)->close();
  EXPECT_FALSE(program().testHistory.Visible());
}

TEST_F(ViewsTest, EscapeInTheHistoryIsCancelOnlyWhileTheScanShows) {
  history::TestHistoryWindow& history = program().testHistory;
  std::vector<std::string> pressed;
  history.CancelScan.OnClick([&] { pressed.push_back("Cancel"); });
  history.CloseButton.OnClick([&] { pressed.push_back("Close"); });
  history.Show();
  QWidget* view = views_.ViewOf(history);
  view->activateWindow();
  ASSERT_TRUE(qt_test::WaitFor([view] { return QApplication::activeWindow() == view; }));
  QTest::keyClick(view, Qt::Key_Escape);
  history.CancelScan.SetVisible(true);
  QTest::keyClick(view, Qt::Key_Escape);
  EXPECT_EQ(pressed, (std::vector<std::string>{"Close", "Cancel"}));
}

}  // namespace
