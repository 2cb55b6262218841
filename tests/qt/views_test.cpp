// The window views over a program on test doubles: what the operator types reaches the model
// and its corrections show at once, windows are built on first use and follow their models,
// and the main window's menus, chart and button mirror the main window model.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPushButton>
#include <QtTest/QTest>

#include "views_fixture.h"

namespace {

using qt_test::ViewsTest;

// Counts the paint events of a widget and remembers the area of the last one.
class PaintWatch : public QObject {
 public:
  explicit PaintWatch(QWidget& widget) { widget.installEventFilter(this); }
  int count = 0;
  QRect last;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      ++count;
      last = static_cast<QPaintEvent*>(event)->rect();
    }
    return false;
  }
};

TEST_F(ViewsTest, TypedFullScaleFlowIsCorrectedInTheBoxAtOnce) {
  Choose("KM4400SetUpItem");
  auto& flow = In<QLineEdit>(program().setup, "MaximumFlow");
  flow.selectAll();
  qt_test::Type(flow, "12000");
  EXPECT_EQ(flow.text(), "9999");
  EXPECT_EQ(program().setup.MaximumFlow.Text(), "9999");

  flow.selectAll();
  qt_test::Type(flow, "-5");
  EXPECT_EQ(flow.text(), "0");
}

TEST_F(ViewsTest, PaperLengthIsTypedKeyByKeyAndKeptInItsLimitsWhenTheEditingEnds) {
  Choose("Axis_Item");
  auto& paper = In<QLineEdit>(program().graphSetup, "HistPaperLength");
  paper.selectAll();
  QTest::keyClicks(&paper, "1000");
  EXPECT_EQ(paper.text(), "1000");
  EXPECT_EQ(program().graphSetup.HistPaperLength.Text(), "1000");

  paper.selectAll();
  QTest::keyClicks(&paper, "700");
  EXPECT_EQ(paper.text(), "700");
  QTest::keyClick(&paper, Qt::Key_Return);
  EXPECT_EQ(paper.text(), "770.905923344948");
  EXPECT_EQ(program().graphSetup.HistPaperLength.Text(), "770.905923344948");
}

TEST_F(ViewsTest, TypingIntoABoxChangesItsModelAndNothingElse) {
  Choose("KM4400SetUpItem");
  auto& series = In<QLineEdit>(program().setup, "TestSeries");
  series.selectAll();
  qt_test::Type(series, "B7");
  EXPECT_EQ(program().setup.TestSeries.Text(), "B7");
  EXPECT_EQ(program().setup.MaximumFlow.Text(),
            In<QLineEdit>(program().setup, "MaximumFlow").text().toStdString());
}

TEST_F(ViewsTest, SecondaryWindowsAreBuiltOnFirstUseAndShowTheLatestValues) {
  EXPECT_EQ(views_.ViewOf(program().status), nullptr);
  program().status.Text1.SetText("R");
  program().status.Text5.SetText("0490");

  Choose("KM4400Status");
  QWidget* view = views_.ViewOf(program().status);
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(view->isVisible());
  EXPECT_EQ(view->windowTitle(), "KM4400 Leak Detector Status");
  EXPECT_EQ(In<QLineEdit>(program().status, "Text1").text(), "R");
  EXPECT_EQ(In<QLineEdit>(program().status, "Text5").text(), "0490");

  program().status.Text1.SetText("C");
  EXPECT_EQ(In<QLineEdit>(program().status, "Text1").text(), "C");
}

TEST_F(ViewsTest, TitleBarCloseHidesTheWindowAndShowingAgainReusesIt) {
  Choose("Diagnostic");
  QWidget* view = views_.ViewOf(program().serialForm);
  ASSERT_NE(view, nullptr);
  view->close();
  EXPECT_FALSE(program().serialForm.Visible());
  EXPECT_FALSE(view->isVisible());
  EXPECT_FALSE(program().Ended());

  Choose("Diagnostic");
  EXPECT_EQ(views_.ViewOf(program().serialForm), view);
  EXPECT_TRUE(view->isVisible());
}

TEST_F(ViewsTest, CloseButtonHidesThroughTheModel) {
  Choose("Select_Color_Item");
  QWidget* view = views_.ViewOf(program().penColour);
  ASSERT_NE(view, nullptr);
  In<QPushButton>(program().penColour, "Command1").click();
  EXPECT_FALSE(program().penColour.Visible());
  EXPECT_FALSE(view->isVisible());
}

TEST_F(ViewsTest, MenuBarReadsInOrderWithSeparatorsAndCheckMarks) {
  QStringList bar;
  for (QAction* action : Main().menuBar()->actions()) bar << action->text();
  EXPECT_EQ(bar, QStringList({"&File", "&Trend Recorder", "&Serial Comm Setup", "&Windows",
                              "&Diagnostics", "&About"}));

  QMenu* trend = Main().menuBar()->actions()[1]->menu();
  ASSERT_NE(trend, nullptr);
  QStringList items;
  for (QAction* action : trend->actions()) items << (action->isSeparator() ? "-" : action->text());
  EXPECT_EQ(items, QStringList({"&Clear On Rollover", "-", "&Test Method Plotting", "-",
                                "&Plot Colour Selection", "-", "&Properties"}));

  auto* automatic = Main().findChild<QAction*>("Trend_Screen_Item(2)");
  auto* continuous = Main().findChild<QAction*>("Trend_Screen_Item(0)");
  ASSERT_TRUE(automatic && continuous);
  EXPECT_TRUE(automatic->isChecked());
  EXPECT_FALSE(continuous->isChecked());

  continuous->trigger();
  EXPECT_TRUE(continuous->isChecked());
  EXPECT_FALSE(automatic->isChecked());
  // Choosing the checked mode again leaves it checked, though Qt would toggle it off.
  continuous->trigger();
  EXPECT_TRUE(continuous->isChecked());
}

TEST_F(ViewsTest, StartPlottingButtonShowsTheModelsCaptionAndColour) {
  auto* button = Main().findChild<QPushButton*>("Stop_Command");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), "Start Plotting");
  EXPECT_EQ(qt_test::Colour(*button), QColor(192, 255, 192));
  EXPECT_EQ(button->toolTip(), "When green, plotting has stopped, when red plotting has started");

  button->click();
  EXPECT_TRUE(port_.PortOpen());
  EXPECT_EQ(button->text(), "Stop Plotting");
  EXPECT_EQ(qt_test::Colour(*button), QColor(255, 192, 192));
}

TEST_F(ViewsTest, TheChartShowsWhatIsDrawnRepaintingOnlyTheChangedAreaOncePerFrame) {
  auto* view = Main().findChild<QWidget*>("LeftRightScreen");
  ASSERT_NE(view, nullptr);
  ASSERT_TRUE(qt_test::WaitFor([&] { return view->isVisible(); }));
  qt_test::Spin(50);
  PaintWatch paints(*view);

  chart_.Scale(0, 100, 770, 0);
  const core::Rgb red = core::MakeRgb(255, 0, 0);
  for (int i = 0; i < 1000; ++i) chart_.Line(100, 40, 120, 60, red);
  ASSERT_TRUE(qt_test::WaitFor([&] { return paints.count > 0; }));
  qt_test::Spin(50);
  EXPECT_EQ(paints.count, 1) << "a burst of drawing queued more than one repaint";
  EXPECT_LT(paints.last.width(), 60);
  EXPECT_LT(paints.last.height(), 120);
  EXPECT_TRUE(paints.last.contains(110, view->height() / 2));

  QImage shown = view->grab().toImage();
  EXPECT_EQ(shown.pixelColor(110, shown.height() / 2), QColor(255, 0, 0));
}

TEST_F(ViewsTest, PortDevicesDialogAssignsAnyPathAndKeepsIt) {
  Choose("PortDevices");
  qtui::PortDevicesDialog* dialog = views_.PortDevices();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_FALSE(dialog->isModal());
  auto* port1 = dialog->findChild<QComboBox*>("Port1Device");
  auto* port2 = dialog->findChild<QComboBox*>("Port2Device");
  ASSERT_TRUE(port1 && port2);
  EXPECT_EQ(port2->currentText().toStdString(), acquisition::PortDevices::DefaultDevice(2));

  port1->setEditText("/dev/pts/77");
  dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(program().PortDeviceAssignments().DeviceFor(1), "/dev/pts/77");
  EXPECT_FALSE(program().PortDeviceAssignments().IsAssigned(2));
  QFile kept(QString::fromStdString(doubles_.Path("serialports.txt")));
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), "1=/dev/pts/77\n");
}

TEST_F(ViewsTest, ClosingTheMainWindowShutsTheProgramDownAndWritesTheSettings) {
  Main().close();
  EXPECT_TRUE(program().Ended());
  EXPECT_TRUE(QFile::exists(QString::fromStdString(doubles_.Path("testconfig.txt"))));
}

}  // namespace
