#pragma once

#include <string>

class QWidget;

namespace qtui {

// Writes what a widget shows (the control chart) to `path` as "png" or "pdf": empty text when
// written, else why not, in words for the operator.
std::string WritePicture(QWidget& widget, const std::string& path, const std::string& format);

}  // namespace qtui
