#include "qt/coloured_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace qtui {

void ColouredButton::SetColour(std::optional<QColor> colour) {
  if (colour == colour_) return;
  colour_ = colour;
  update();
}

const QPalette& ColouredButton::PaletteFor(const QColor& colour) {
  auto found = palettes_.find(colour.rgba());
  if (found != palettes_.end()) return found->second;
  QPalette palette = this->palette();
  palette.setColor(QPalette::Button, colour);
  return palettes_.emplace(colour.rgba(), palette).first->second;
}

void ColouredButton::paintEvent(QPaintEvent* event) {
  if (!colour_) {
    QPushButton::paintEvent(event);
    return;
  }
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.palette = PaletteFor(*colour_);
  painter.drawControl(QStyle::CE_PushButton, option);
}

}  // namespace qtui
