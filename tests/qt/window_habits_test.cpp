// Keyboard and screen habits on the real Qt program: Escape leaves a window as its Cancel or
// Close button does, and the main window comes back where the operator left it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/platform/local_file_system.h"
#include "qt/main_window_place.h"
#include "qt/qt_program.h"
#include "qt_test_support.h"

namespace {

class WindowHabits : public ::testing::Test {
 public:
  static void SetUpTestSuite() { qt_test::EnsureApplication(); }

  WindowHabits() {
    QDir(folder_.path()).mkpath("Leak");
    Start();
  }

  // A program in the same folder as the one before, as at the next start.
  void Start() {
    qt_.reset();
    std::string path = folder_.path().toStdString();
    files_ = std::make_unique<core::LocalFileSystem>(path, path);
    qt_ = std::make_unique<qtui::QtProgram>(*files_, path + "/data");
    ASSERT_TRUE(qt_->Start());
  }
  QMainWindow& Main() { return *qt_->Views().MainWindow(); }
  QString PlaceFile() const { return folder_.path() + "/" + qtui::kMainWindowPlaceFile; }

  // Shows the window, makes it the active one and presses Escape in it.
  void Escape(core::Window& window) {
    window.Show();
    QWidget* view = qt_->Views().ViewOf(window);
    ASSERT_NE(view, nullptr) << window.Name();
    view->activateWindow();
    ASSERT_TRUE(qt_test::WaitFor([view] { return QApplication::activeWindow() == view; }, 2000))
        << window.Name();
    QTest::keyClick(view, Qt::Key_Escape);
  }

  QTemporaryDir folder_;
  std::unique_ptr<core::LocalFileSystem> files_;
  std::unique_ptr<qtui::QtProgram> qt_;
};

TEST_F(WindowHabits, EscapeClosesEveryWindowWithACloseOrCancelButton) {
  app::Program& p = qt_->Program();
  for (core::Window* window : std::initializer_list<core::Window*>{
           &p.status, &p.serialForm, &p.graphSetup, &p.penColour, &p.about, &p.loadForm,
           &p.testHistory, &p.controlChart}) {
    Escape(*window);
    EXPECT_FALSE(window->Visible()) << window->Name();
  }
  // The port devices dialog is a dialog of the toolkit's own: Escape is its Cancel.
  p.mainForm.PortDevices.Click();
  QWidget* devices = qt_->Views().PortDevices();
  ASSERT_NE(devices, nullptr);
  ASSERT_TRUE(
      qt_test::WaitFor([devices] { return QApplication::activeWindow() == devices; }, 2000));
  QTest::keyClick(devices, Qt::Key_Escape);
  EXPECT_FALSE(devices->isVisible());
}

TEST_F(WindowHabits, EscapeInTheSetUpWindowIsItsCancelNotItsClose) {
  app::Program& p = qt_->Program();
  p.setup.MaximumFlow.SetText("25");
  Escape(p.setup);
  EXPECT_FALSE(p.setup.Visible());
  EXPECT_EQ(p.mainForm.Axis[10]->Caption(), "0") << "Close would have written the flow labels";
}

TEST_F(WindowHabits, EscapeInTheMainWindowDoesNotEndTheProgram) {
  Main().activateWindow();
  ASSERT_TRUE(qt_test::WaitFor([this] { return QApplication::activeWindow() == &Main(); }, 2000));
  QTest::keyClick(&Main(), Qt::Key_Escape);
  EXPECT_FALSE(qt_->Program().Ended());
  EXPECT_TRUE(Main().isVisible());
}

TEST_F(WindowHabits, TheMainWindowComesBackWhereItWasLeft) {
  Main().move(137, 91);
  QPoint left = Main().pos();
  QSize size = Main().size();
  qt_->Program().Exit_Click();
  ASSERT_TRUE(QFile::exists(PlaceFile()));
  Start();
  EXPECT_EQ(Main().pos(), left);
  EXPECT_EQ(Main().size(), size);
  QFile config(folder_.path() + "/testconfig.txt");
  ASSERT_TRUE(config.open(QIODevice::ReadOnly));
  EXPECT_EQ(config.readAll().count('\n'), 2) << "the settings file keeps its two lines";
}

TEST_F(WindowHabits, ADamagedPlaceFileLeavesTheWindowToTheWindowSystem) {
  for (const char* damaged : {"not base64 at all!", "AAAA", ""}) {
    qt_->Program().Exit_Click();
    QFile file(PlaceFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(damaged);
    file.close();
    Start();
    EXPECT_TRUE(Main().isVisible()) << damaged;
  }
}

}  // namespace
