#pragma once

#include <QColor>
#include <QString>
#include <functional>
#include <string>

#include "core/button.h"
#include "core/check_box.h"
#include "core/control.h"
#include "core/label.h"
#include "core/progress_bar.h"
#include "core/rgb.h"
#include "core/text_box.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QObject;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QWidget;

namespace qtui {

// Widgets that mirror window-model controls. Each widget is named after its control, shows
// what the control holds and hands what the operator does back to the control; the control
// stays the one store of the value. Every widget is made with its parent, so that showing a
// control never turns it into a window of its own.

// Model texts end lines with "\r\n"; widgets with "\n".
QString DisplayText(const std::string& text);
QColor ToQColor(core::Rgb colour);

// Runs `sync` now and whenever `control` changes, as long as `target` exists.
void Mirror(core::Control& control, QObject& target, std::function<void()> sync);
// Mirror for a control shown as one widget: also its name, visibility and tool tip.
void MirrorWidget(core::Control& control, QWidget& widget, std::function<void()> sync);

// A one-line box, or a multi-line box when the control says so; read-only as the control says.
QWidget* MakeEdit(core::TextBox& box, QWidget& parent);
QLineEdit* MakeLineEdit(core::TextBox& box, QWidget& parent);
QPlainTextEdit* MakeMultiLineEdit(core::TextBox& box, QWidget& parent);
// A read-only caption box shown as a label.
QLabel* MakeCaption(core::TextBox& caption, QWidget& parent);
QLabel* MakeLabel(core::Label& label, QWidget& parent);
// A fixed text that belongs to the window's layout rather than to any control.
QLabel* MakeFixedText(const QString& text, QWidget& parent);
QPushButton* MakeButton(core::Button& button, QWidget& parent);
QCheckBox* MakeCheckBox(core::CheckBox& box, QWidget& parent);
// A progress bar; a whole not yet known (maximum 0) shows as busy.
QProgressBar* MakeProgressBar(core::ProgressBar& bar, QWidget& parent);

}  // namespace qtui
