#include "qt/formula_row.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <cstdlib>

#include "qt/control_bindings.h"
#include "qt/form_parts.h"

namespace qtui {
namespace {

constexpr int kLabelRow = 0;
constexpr int kBoxRow = 1;
constexpr int kBelowRow = 2;
constexpr int kBoxCharacters = 9;
constexpr int kOneLineLabel = 12;

// A long label on two lines, broken at the blank nearest its middle, so it stays about as
// wide as its box; a wrapping label would leave its height to the layout, which cuts lines.
QString OverBox(const QString& label) {
  QString words = label.trimmed();
  if (words.size() <= kOneLineLabel) return label;
  qsizetype middle = words.size() / 2;
  qsizetype best = -1;
  for (qsizetype i = words.indexOf(' '); i >= 0; i = words.indexOf(' ', i + 1)) {
    if (best < 0 || std::abs(i - middle) < std::abs(best - middle)) best = i;
  }
  if (best < 0) return label;
  QString broken = label;
  broken[best + label.indexOf(words)] = '\n';
  return broken;
}

}  // namespace

FormulaRow::FormulaRow(QWidget& parent)
    : widget_(new QWidget(&parent)), grid_(new QGridLayout(widget_)) {
  grid_->setContentsMargins(0, 0, 0, 0);
  grid_->setHorizontalSpacing(4);
}

QWidget* FormulaRow::AddBox(core::TextBox& box, int row, int column) {
  QWidget* edit = MakeEdit(box, *widget_);
  edit->setFixedWidth(BoxWidth(*edit, kBoxCharacters));
  grid_->addWidget(edit, row, column);
  return edit;
}

FormulaRow& FormulaRow::Term(const QString& label, core::TextBox& box) {
  QLabel* text = MakeFixedText(OverBox(label), *widget_);
  text->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
  grid_->addWidget(text, kLabelRow, column_, Qt::AlignHCenter | Qt::AlignBottom);
  AddBox(box, kBoxRow, column_);
  lastTerm_ = column_++;
  return *this;
}

FormulaRow& FormulaRow::Operator(const QString& text) {
  QLabel* sign = MakeFixedText(text, *widget_);
  grid_->addWidget(sign, kBoxRow, column_++, Qt::AlignCenter);
  return *this;
}

FormulaRow& FormulaRow::Fraction(const QString& label, core::TextBox& numerator,
                                 core::TextBox& denominator) {
  QLabel* text = MakeFixedText(label, *widget_);
  text->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
  grid_->addWidget(text, kLabelRow, column_, Qt::AlignHCenter | Qt::AlignBottom);
  auto* stack = new QVBoxLayout;
  stack->setSpacing(1);
  QWidget* top = MakeEdit(numerator, *widget_);
  auto* bar = new QFrame(widget_);
  bar->setFrameShape(QFrame::HLine);
  QWidget* bottom = MakeEdit(denominator, *widget_);
  for (QWidget* part : {top, static_cast<QWidget*>(bar), bottom}) {
    part->setFixedWidth(BoxWidth(*part, kBoxCharacters));
    stack->addWidget(part);
  }
  grid_->addLayout(stack, kBoxRow, column_);
  lastTerm_ = column_++;
  return *this;
}

FormulaRow& FormulaRow::Below(core::TextBox& box) {
  AddBox(box, kBelowRow, lastTerm_);
  return *this;
}

}  // namespace qtui
