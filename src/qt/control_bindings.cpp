#include "qt/control_bindings.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <limits>

#include "qt/coloured_button.h"

namespace qtui {
namespace {

std::string ModelText(const QString& text) { return text.toStdString(); }

std::string ModelMultiLineText(const QString& text) {
  QString lines = text;
  lines.replace('\n', QStringLiteral("\r\n"));
  return lines.toStdString();
}

// Name, visibility and tool tip, the parts every control has.
void ShowControlCommon(const core::Control& control, QWidget& widget) {
  bool visible = control.Visible();
  if (widget.isHidden() == visible) widget.setVisible(visible);
  QString toolTip = QString::fromStdString(control.ToolTip());
  if (widget.toolTip() != toolTip) widget.setToolTip(toolTip);
}

}  // namespace

void MirrorWidget(core::Control& control, QWidget& widget, std::function<void()> sync) {
  widget.setObjectName(QString::fromStdString(control.Name()));
  Mirror(control, widget, [&control, &widget, sync = std::move(sync)] {
    ShowControlCommon(control, widget);
    sync();
  });
}

QString DisplayText(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return shown;
}

QColor ToQColor(core::Rgb colour) {
  return QColor(core::RedOf(colour), core::GreenOf(colour), core::BlueOf(colour));
}

void Mirror(core::Control& control, QObject& target, std::function<void()> sync) {
  // The model outlives no view it feeds: a destroyed widget simply stops listening.
  QPointer<QObject> alive(&target);
  auto update = [alive, sync = std::move(sync)] {
    if (alive) sync();
  };
  control.Observe(update);
  update();
}

QWidget* MakeEdit(core::TextBox& box, QWidget& parent) {
  if (box.MultiLine()) return MakeMultiLineEdit(box, parent);
  return MakeLineEdit(box, parent);
}

QLineEdit* MakeLineEdit(core::TextBox& box, QWidget& parent) {
  auto* edit = new QLineEdit(&parent);
  edit->setReadOnly(box.ReadOnly());
  // The model may correct what was typed ("12000" becomes "9999"); the observer shows it.
  QObject::connect(edit, &QLineEdit::textEdited, edit,
                   [&box](const QString& text) { box.SetText(ModelText(text)); });
  QObject::connect(edit, &QLineEdit::editingFinished, edit, [&box] { box.EndEdit(); });
  MirrorWidget(box, *edit, [&box, edit] {
    QString text = DisplayText(box.Text());
    if (edit->text() != text) edit->setText(text);
  });
  return edit;
}

QPlainTextEdit* MakeMultiLineEdit(core::TextBox& box, QWidget& parent) {
  auto* edit = new QPlainTextEdit(&parent);
  edit->setReadOnly(box.ReadOnly());
  // Signals are blocked while the model's text is shown, so this sees only the operator.
  QObject::connect(edit, &QPlainTextEdit::textChanged, edit,
                   [&box, edit] { box.SetText(ModelMultiLineText(edit->toPlainText())); });
  MirrorWidget(box, *edit, [&box, edit] {
    QString text = DisplayText(box.Text());
    if (edit->toPlainText() == text) return;
    QSignalBlocker quiet(edit);
    edit->setPlainText(text);
  });
  return edit;
}

QLabel* MakeCaption(core::TextBox& caption, QWidget& parent) {
  auto* label = MakeFixedText(QString(), parent);
  MirrorWidget(caption, *label, [&caption, label] { label->setText(DisplayText(caption.Text())); });
  return label;
}

QLabel* MakeLabel(core::Label& model, QWidget& parent) {
  auto* label = MakeFixedText(QString(), parent);
  MirrorWidget(model, *label, [&model, label] { label->setText(DisplayText(model.Caption())); });
  return label;
}

QLabel* MakeFixedText(const QString& text, QWidget& parent) {
  auto* label = new QLabel(text, &parent);
  // Plain text keeps the designed spacing ("2  packets") exactly as written.
  label->setTextFormat(Qt::PlainText);
  return label;
}

QPushButton* MakeButton(core::Button& button, QWidget& parent) {
  auto* push = new ColouredButton(&parent);
  QObject::connect(push, &QPushButton::clicked, push, [&button] { button.Click(); });
  MirrorWidget(button, *push, [&button, push] {
    push->setText(QString::fromStdString(button.Caption()));
    auto colour = button.BackColour();
    push->SetColour(colour ? std::optional<QColor>(ToQColor(*colour)) : std::nullopt);
  });
  return push;
}

QCheckBox* MakeCheckBox(core::CheckBox& box, QWidget& parent) {
  auto* check = new QCheckBox(QString::fromStdString(box.Caption()), &parent);
  // The operator toggles between unchecked and checked; the greyed state is the program's.
  QObject::connect(check, &QCheckBox::clicked, check,
                   [&box](bool checked) { box.SetValue(checked ? 1 : 0); });
  MirrorWidget(box, *check, [&box, check] {
    int value = box.Value();
    check->setTristate(value == 2);
    check->setCheckState(value == 0   ? Qt::Unchecked
                         : value == 1 ? Qt::Checked
                                      : Qt::PartiallyChecked);
  });
  return check;
}

QProgressBar* MakeProgressBar(core::ProgressBar& bar, QWidget& parent) {
  auto* progress = new QProgressBar(&parent);
  MirrorWidget(bar, *progress, [&bar, progress] {
    // The widget counts in int; a larger whole is shown in proportion.
    long long maximum = std::max(0LL, bar.Maximum());
    long long value = std::clamp(bar.Value(), 0LL, maximum);
    long long divisor = maximum / std::numeric_limits<int>::max() + 1;
    progress->setRange(0, static_cast<int>(maximum / divisor));
    progress->setValue(static_cast<int>(value / divisor));
  });
  return progress;
}

}  // namespace qtui
