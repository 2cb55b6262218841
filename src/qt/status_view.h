#pragma once

#include "acquisition/status_window.h"

class QWidget;

namespace qtui {

// The StatusForm window: mode, test status, completion status and zero selection, each in its
// frame with its legend, the three raw counts, and Close.
QWidget* BuildStatusView(acquisition::StatusForm& model);

}  // namespace qtui
