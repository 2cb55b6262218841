// Where secondary windows open: clear of the main window's menu bar and Start/Stop button,
// inside the screen, not owned by the main window, and gone with the program's views.
#include "qt/window_placement.h"

#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QWindow>

#include "views_fixture.h"

namespace {

using qt_test::ViewsTest;
using qtui::PlacementContext;
using qtui::PlaceSecondary;

// A main window of 810 x 610 at the top-left corner of a 1024 x 768 screen.
const PlacementContext kAtTopLeft{QRect(0, 0, 1024, 768), QRect(0, 0, 810, 610),
                                  QRect(4, 26, 802, 22), QRect(150, 560, 110, 28)};

PlacementContext Shifted(PlacementContext context, QPoint by, int cascade = 0) {
  context.main.translate(by);
  context.menuBar.translate(by);
  context.button.translate(by);
  context.cascade = cascade;
  return context;
}

TEST(WindowPlacement, BesideTheMainWindowWhereThereIsRoomElseBelowTheMenuBarRightOfTheButton) {
  struct Row {
    const char* what;
    PlacementContext context;
    QSize size;
    QRect expected;
  };
  const Row rows[] = {
      {"narrow: right of the main window", kAtTopLeft, {200, 300}, {810, 0, 200, 300}},
      {"narrow, second: cascaded", Shifted(kAtTopLeft, {}, 1), {200, 300}, {810, 24, 200, 300}},
      {"narrow, main at the right: left of it",
       Shifted(kAtTopLeft, {214, 0}),
       {200, 300},
       {14, 0, 200, 300}},
      {"wide: below the menu bar, right of the button",
       kAtTopLeft,
       {600, 500},
       {260, 48, 600, 500}},
      {"wide, third: cascaded", Shifted(kAtTopLeft, {}, 2), {600, 500}, {308, 96, 600, 500}},
      {"wider than the room right of the button: above it",
       kAtTopLeft,
       {900, 500},
       {124, 48, 900, 500}},
      {"too tall for both: cut, right of the button", kAtTopLeft, {600, 740}, {260, 48, 600, 720}},
      {"too wide and tall: cut, above the button", kAtTopLeft, {900, 600}, {124, 48, 900, 512}},
      {"bigger than the screen: cut", kAtTopLeft, {1100, 800}, {0, 48, 1024, 512}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    EXPECT_EQ(PlaceSecondary(row.context, row.size), row.expected);
  }
}

QRect OnScreen(const QWidget& widget) { return {widget.mapToGlobal(QPoint(0, 0)), widget.size()}; }

TEST_F(ViewsTest, SecondaryWindowsAreTheirOwnWindowsClearOfTheMenusAndButtonOnA1024x768Screen) {
  program().mainForm.Show();
  QRect menuBar = OnScreen(*Main().menuBar());
  QRect button = OnScreen(*Main().findChild<QWidget*>("Stop_Command"));
  QRect screen = Main().screen()->availableGeometry();
  // The same main window at the top-left corner of a 1024 x 768 screen.
  QPoint toCorner = -Main().frameGeometry().topLeft();
  PlacementContext at1024{QRect(0, 0, 1024, 768), Main().frameGeometry().translated(toCorner),
                          menuBar.translated(toCorner), button.translated(toCorner)};
  EXPECT_TRUE(at1024.available.contains(at1024.main));

  const std::pair<const char*, const core::Window*> windows[] = {
      {"KM4400SetUpItem", &program().setup},
      {"KM4400Status", &program().status},
      {"Diagnostic", &program().serialForm},
      {"Axis_Item", &program().graphSetup},
      {"Select_Color_Item", &program().penColour},
      {"AboutItem", &program().about},
      {"PortDevices", nullptr}};
  for (const auto& [item, window] : windows) {
    SCOPED_TRACE(item);
    Choose(item);
    QWidget* shown = window ? views_.ViewOf(*window) : views_.PortDevices();
    ASSERT_NE(shown, nullptr);
    ASSERT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->parentWidget(), nullptr);
    ASSERT_NE(shown->windowHandle(), nullptr);
    EXPECT_EQ(shown->windowHandle()->transientParent(), nullptr);

    QRect frame = shown->frameGeometry();
    EXPECT_GT(frame.top(), menuBar.bottom());
    if (frame.width() <= screen.width()) {
      EXPECT_TRUE(screen.contains(frame));
    }

    QRect placed = PlaceSecondary(at1024, frame.size());
    QSize decoration = Main().frameGeometry().size() - Main().geometry().size();
    EXPECT_GE(placed.width(), shown->minimumWidth() + decoration.width());
    EXPECT_GE(placed.height(), shown->minimumHeight() + decoration.height());
    EXPECT_TRUE(at1024.available.contains(placed));
    EXPECT_FALSE(placed.intersects(at1024.menuBar));
    EXPECT_FALSE(placed.intersects(at1024.button));
  }
}

}  // namespace
