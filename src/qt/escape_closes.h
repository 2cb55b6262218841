#pragma once

class QWidget;

namespace qtui {

// Escape presses the window's Cancel button, or else (none, or hidden) its Close button, so
// the keyboard leaves a window exactly as that button does (the window's model decides what it
// means). A window with neither keeps Escape for its boxes.
void CloseWithEscape(QWidget& window);

}  // namespace qtui
