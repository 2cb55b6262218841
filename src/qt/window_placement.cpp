#include "qt/window_placement.h"

#include <algorithm>

namespace qtui {
namespace {

constexpr int kCascadeStep = 24;

// `low` wins over `high`, so a window too big for the area keeps its top-left corner in it.
int Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

QRect Inside(QPoint topLeft, QSize size, const QRect& area) {
  int x = Clamp(topLeft.x(), area.left(), area.right() + 1 - size.width());
  int y = Clamp(topLeft.y(), area.top(), area.bottom() + 1 - size.height());
  return {QPoint(x, y), size};
}

bool Fits(QSize size, const QRect& area) {
  return size.width() <= area.width() && size.height() <= area.height();
}

}  // namespace

QRect PlaceSecondary(const PlacementContext& c, QSize size) {
  const QPoint offset(kCascadeStep * c.cascade, kCascadeStep * c.cascade);
  if (size.width() <= c.available.right() - c.main.right()) {
    return Inside({c.main.right() + 1, c.main.top() + offset.y()}, size, c.available);
  }
  if (size.width() <= c.main.left() - c.available.left()) {
    return Inside({c.main.left() - size.width(), c.main.top() + offset.y()}, size, c.available);
  }
  // Below the menu bar: right of the button down to the screen's bottom, else across the
  // screen above the button; a window too big for both is cut to the one that keeps its width.
  const int top = c.menuBar.bottom() + 1;
  const QPoint start = QPoint(c.button.right() + 1, top) + offset;
  const QRect rightOfButton(QPoint(c.button.right() + 1, top), c.available.bottomRight());
  const QRect aboveButton(QPoint(c.available.left(), top),
                          QPoint(c.available.right(), c.button.top() - 1));
  if (Fits(size, rightOfButton)) return Inside(start, size, rightOfButton);
  if (Fits(size, aboveButton)) return Inside(start, size, aboveButton);
  const QRect& cut = size.width() <= rightOfButton.width() ? rightOfButton : aboveButton;
  return Inside(start, size.boundedTo(cut.size()), cut);
}

}  // namespace qtui
