#pragma once

#include <QRect>
#include <QSize>

namespace qtui {

// What a secondary window's place depends on, all in screen coordinates, frames included.
struct PlacementContext {
  QRect available;  // the screen's available area
  QRect main;       // the main window
  QRect menuBar;    // the main window's menu bar
  QRect button;     // the main window's Start/Stop button
  int cascade = 0;  // secondary windows already open, each shifting the next one
};

// Where a secondary window of frame size `size` opens, so that the main window's menus, chart
// and Start/Stop button stay reachable: beside the main window where the screen has room,
// otherwise cascaded below the menu bar, right of the button as far as the screen allows,
// and always inside the available area. A window too big for that is cut to the free area
// (a window that scrolls takes the smaller size).
QRect PlaceSecondary(const PlacementContext& context, QSize size);

}  // namespace qtui
