// The main window's layout: flow labels that stand whole at the window's own font beside the
// chart at every full scale, and a Tab chain over the operator's controls only.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QtTest/QTest>

#include "views_fixture.h"

namespace {

using qt_test::ViewsTest;

TEST_F(ViewsTest, FlowLabelsStandWholeAtTheWindowsFontJustLeftOfTheChartAtEveryFullScale) {
  Choose("KM4400SetUpItem");
  const QWidget& client = *Main().centralWidget();
  for (const char* flow : {"12.5", "25", "9999", "0.3"}) {
    SCOPED_TRACE(flow);
    program().setup.MaximumFlow.SetText(flow);
    program().setup.CmdKM4400Setup.Click();  // Close writes the flow labels
    auto* chart = Main().findChild<QWidget*>("LeftRightScreen");
    ASSERT_NE(chart, nullptr);
    for (int i = 0; i <= 10; ++i) {
      auto* label = Main().findChild<QLabel*>(QString("Axis(%1)").arg(i));
      ASSERT_NE(label, nullptr);
      SCOPED_TRACE(label->text().toStdString());
      EXPECT_EQ(label->text().toStdString(),
                program().mainForm.Axis[static_cast<std::size_t>(i)]->Caption());
      QRect box = label->geometry();
      EXPECT_TRUE(client.rect().contains(box));
      EXPECT_GE(label->font().pointSizeF(), client.font().pointSizeF());
      EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), box.width());
      EXPECT_TRUE(label->alignment() & Qt::AlignRight);
      EXPECT_LT(box.right(), chart->geometry().left());
      EXPECT_GE(box.right(), chart->geometry().left() - 6);
      EXPECT_NEAR(box.center().y(), chart->geometry().top() + 380 - 38 * i, 1);
    }
    for (int i = 0; i <= 7; ++i) {
      auto* label = Main().findChild<QLabel*>(QString("TimeAxis(%1)").arg(i));
      ASSERT_NE(label, nullptr);
      EXPECT_NEAR(label->geometry().center().x(), chart->geometry().left() + 100 * i, 1) << i;
      EXPECT_GT(label->geometry().top(), chart->geometry().bottom());
    }
    EXPECT_TRUE(client.rect().contains(chart->geometry()));
  }
}

TEST_F(ViewsTest, TabGoesRoundTheOperatorsControlsPassingTheReadOnlyNoticeLineBy) {
  program().mainForm.Show();
  Main().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Main()));
  auto* notice = Main().findChild<QLineEdit*>("Notice");
  ASSERT_NE(notice, nullptr);
  EXPECT_TRUE(notice->isReadOnly());

  Main().findChild<QWidget*>("Text3")->setFocus();
  QStringList chain;
  for (int i = 0; i < 9; ++i) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr) << i;
    chain << focus->objectName();
    QTest::keyClick(focus, Qt::Key_Tab);
  }
  EXPECT_EQ(chain, QStringList({"Text3", "Command2", "Command4", "Stop_Command", "Text2",
                                "NumberSecPerDiv", "Reset_Command", "PlotFooter", "Text3"}));
}

}  // namespace
