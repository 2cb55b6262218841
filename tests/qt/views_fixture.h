#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QMainWindow>

#include "doubles/scripted_serial_port.h"
#include "program_on_doubles.h"
#include "qt/picture_surface.h"
#include "qt/program_views.h"
#include "qt/raster_surface.h"
#include "qt_test_support.h"

namespace qt_test {

// The widget views over a program on test doubles, loaded as at start-up.
class ViewsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { qt_test::EnsureApplication(); }

  ViewsTest() : views_(program(), chart_, picture_) { program().Form_Load(); }

  app::Program& program() { return doubles_.program; }
  QMainWindow& Main() { return *views_.MainWindow(); }

  // Runs a menu item the way the operator does, through its action in the menu bar.
  void Choose(const char* item) {
    auto* action = Main().findChild<QAction*>(item);
    ASSERT_NE(action, nullptr) << item;
    action->trigger();
  }

  template <typename W>
  W& In(const core::Window& window, const char* name) {
    QWidget* view = views_.ViewOf(window);
    EXPECT_NE(view, nullptr) << window.Name();
    auto* widget = view ? view->findChild<W*>(name) : nullptr;
    EXPECT_NE(widget, nullptr) << name;
    return *widget;
  }

  doubles::ScriptedSerialPort port_;
  qtui::RasterSurface chart_;
  qtui::PictureSurface picture_;
  qt_test::ProgramOnDoubles doubles_{port_};
  qtui::ProgramViews views_;
};

}  // namespace qt_test
