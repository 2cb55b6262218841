// The file selection window over a program on test doubles: shown by "&Open" without blocking,
// its lists follow the model, and the operator's clicks and double-clicks reach it.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPushButton>

#include "doubles/scripted_serial_port.h"
#include "program_on_doubles.h"
#include "qt/picture_surface.h"
#include "qt/program_views.h"
#include "qt/raster_surface.h"
#include "qt_test_support.h"

namespace {

// A mouse click (or double-click) on a list's item, as the operator makes it.
void ClickItem(QListWidget& list, const QString& text, bool twice = false) {
  auto found = list.findItems(text, Qt::MatchExactly);
  ASSERT_FALSE(found.isEmpty()) << text.toStdString();
  QPoint at = list.visualItemRect(found.front()).center();
  auto send = [&](QEvent::Type type) {
    QMouseEvent event(type, at, list.viewport()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(list.viewport(), &event);
  };
  send(QEvent::MouseButtonPress);
  send(QEvent::MouseButtonRelease);
  if (twice) {
    send(QEvent::MouseButtonDblClick);
    send(QEvent::MouseButtonRelease);
  }
}

QStringList Items(const QListWidget& list) {
  QStringList items;
  for (int i = 0; i < list.count(); ++i) items << list.item(i)->text();
  return items;
}

class LoadFormViewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { qt_test::EnsureApplication(); }

  LoadFormViewTest() : views_(program(), chart_, picture_) {
    for (const char* name : {"Leak/1208A1.1", "Leak/1208A1.2", "Leak/.hidden"}) {
      QFile file(QString::fromStdString(doubles_.Path(name)));
      file.open(QIODevice::WriteOnly);
    }
    QDir(QString::fromStdString(doubles_.Path("Leak"))).mkdir("old");
    program().Form_Load();
    program().mainForm.Show();
    views_.MainWindow()->findChild<QAction*>("OpenFile")->trigger();
  }

  app::Program& program() { return doubles_.program; }
  QWidget& Window() { return *views_.ViewOf(program().loadForm); }
  template <typename W>
  W& Child(const char* name) {
    auto* widget = Window().findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return *widget;
  }

  doubles::ScriptedSerialPort port_;
  qtui::RasterSurface chart_;
  qtui::PictureSurface picture_;
  qt_test::ProgramOnDoubles doubles_{port_};
  qtui::ProgramViews views_;
};

TEST_F(LoadFormViewTest, OpenShowsTheWindowWithoutBlockingTheMainWindow) {
  ASSERT_NE(views_.ViewOf(program().loadForm), nullptr);
  EXPECT_TRUE(Window().isVisible());
  EXPECT_EQ(Window().windowModality(), Qt::NonModal);
  EXPECT_EQ(Window().windowTitle(), "Open File For Graphing or Printing");
  EXPECT_EQ(Items(Child<QListWidget>("File1")), (QStringList{"1208A1.1", "1208A1.2"}));
  EXPECT_EQ(Items(Child<QListWidget>("Dir1")), (QStringList{"..", "old"}));
  EXPECT_EQ(Child<QComboBox>("Drive1").currentText().toStdString(), doubles_.Path(""));
  EXPECT_EQ(Child<QListWidget>("File1").toolTip(), "Click File to add to list for printing");
  EXPECT_EQ(Child<QListWidget>("List1").toolTip(), "Double click file to remove");
  EXPECT_EQ(Child<QPushButton>("RefreshFile").toolTip(),
            "Click to update list of leak files or new leak file folder");
}

TEST_F(LoadFormViewTest, ClicksChooseDoubleClicksRemoveAndOkConfirms) {
  auto& files = Child<QListWidget>("File1");
  auto& chosen = Child<QListWidget>("List1");
  ClickItem(files, "1208A1.1");
  ClickItem(files, "1208A1.2");
  EXPECT_EQ(Items(chosen), (QStringList{"1208A1.1", "1208A1.2"}));
  ClickItem(chosen, "1208A1.1", true);
  EXPECT_EQ(Items(chosen), QStringList{"1208A1.2"});

  Child<QPushButton>("OKButton").click();
  EXPECT_FALSE(Window().isVisible());
  EXPECT_EQ(program().selectedFiles[0], doubles_.Path("Leak/1208A1.2"));
  EXPECT_EQ(program().selectedFiles[1], "");
}

TEST_F(LoadFormViewTest, ADoubleClickOnAFolderOpensIt) {
  ClickItem(Child<QListWidget>("Dir1"), "old", true);
  EXPECT_EQ(program().loadForm.Dir1.Path(), doubles_.Path("Leak/old"));
  EXPECT_EQ(Items(Child<QListWidget>("File1")), QStringList{});
  ClickItem(Child<QListWidget>("Dir1"), "..", true);
  EXPECT_EQ(program().loadForm.Dir1.Path(), doubles_.Path("Leak"));
}

}  // namespace
