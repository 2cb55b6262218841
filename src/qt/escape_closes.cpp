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
  if (!ButtonCaptioned(window, "Cancel") && !ButtonCaptioned(window, "Close")) return;
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
  // Chosen at the press: a Cancel shown only while work runs (a scan) leaves Escape to Close.
  QObject::connect(escape, &QShortcut::activated, &window, [&window] {
    QPushButton* button = ButtonCaptioned(window, "Cancel");
    if (!button || button->isHidden()) button = ButtonCaptioned(window, "Close");
    if (button) button->click();
  });
}

}  // namespace qtui
