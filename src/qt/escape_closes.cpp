#include "qt/escape_closes.h"

#include <QPushButton>
#include <QShortcut>

namespace qtui {
namespace {

QPushButton* ButtonCaptioned(QWidget& window, const QString& caption) {
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text().remove('&') == caption) return button;
  }
  return nullptr;
}

}  // namespace

void CloseWithEscape(QWidget& window) {
  QPushButton* button = ButtonCaptioned(window, "Cancel");
  if (!button) button = ButtonCaptioned(window, "Close");
  if (!button) return;
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
  QObject::connect(escape, &QShortcut::activated, button, &QPushButton::click);
}

}  // namespace qtui
