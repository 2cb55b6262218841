#pragma once

#include <QString>

#include "core/text_box.h"

class QGridLayout;
class QWidget;

namespace qtui {

// A worked formula read from left to right: each term a box with its label over it, the
// operators between the boxes as fixed texts, a fraction as one box over another.
class FormulaRow {
 public:
  explicit FormulaRow(QWidget& parent);
  FormulaRow(const FormulaRow&) = delete;
  FormulaRow& operator=(const FormulaRow&) = delete;

  FormulaRow& Term(const QString& label, core::TextBox& box);
  FormulaRow& Operator(const QString& text);
  FormulaRow& Fraction(const QString& label, core::TextBox& numerator, core::TextBox& denominator);
  // A box under the last term (a result before it is limited).
  FormulaRow& Below(core::TextBox& box);

  QWidget* Widget() const { return widget_; }

 private:
  QWidget* AddBox(core::TextBox& box, int row, int column);

  QWidget* widget_;
  QGridLayout* grid_;
  int column_ = 0;
  int lastTerm_ = -1;
};

}  // namespace qtui
