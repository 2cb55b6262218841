#include "qt/form_parts.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "qt/control_bindings.h"

namespace qtui {

QWidget* MakeWindow() { return new QWidget(nullptr, Qt::Window); }

void FixWindowSize(QWidget& window, QLayout& layout) {
  window.setLayout(&layout);
  layout.setSizeConstraint(QLayout::SetFixedSize);
}

QGroupBox* MakeFrame(const QString& caption, QWidget& parent) {
  return new QGroupBox(caption, &parent);
}

QWidget* AddField(QGridLayout& grid, int row, int pair, core::TextBox& caption, core::TextBox& box,
                  QWidget& parent) {
  QLabel* label = MakeCaption(caption, parent);
  QWidget* edit = MakeEdit(box, parent);
  edit->setFixedWidth(BoxWidth(*edit, 8));
  label->setBuddy(edit);
  // A gap between pairs of columns, so a caption reads with its own box.
  if (pair > 0) label->setContentsMargins(BoxWidth(*label, 0), 0, 0, 0);
  grid.addWidget(label, row, 2 * pair);
  grid.addWidget(edit, row, 2 * pair + 1);
  return edit;
}

int BoxWidth(const QWidget& widget, int characters) {
  // The frame and the text margins of a line edit add about two characters.
  return widget.fontMetrics().horizontalAdvance(QLatin1Char('0')) * (characters + 2);
}

}  // namespace qtui
