#pragma once

#include <QString>

#include "core/text_box.h"

class QGridLayout;
class QGroupBox;
class QLayout;
class QWidget;

namespace qtui {

// Small pieces the window views are built from.

// A secondary window: a top-level window of its own, not owned by the main window, so the
// operator can bring the main window in front of it.
QWidget* MakeWindow();
// The window keeps the size its contents need, as the design's fixed dialogs do.
void FixWindowSize(QWidget& window, QLayout& layout);
// A frame with a caption; an empty caption gives a plain frame.
QGroupBox* MakeFrame(const QString& caption, QWidget& parent);
// A caption box and its box side by side in grid columns 2·pair and 2·pair + 1; the box's widget.
QWidget* AddField(QGridLayout& grid, int row, int pair, core::TextBox& caption, core::TextBox& box,
                  QWidget& parent);

// Width of a one-line box holding about `characters` characters.
int BoxWidth(const QWidget& widget, int characters);

}  // namespace qtui
