#pragma once

#include "acquisition/setup_window.h"

class QWidget;

namespace qtui {

// The KM4400SetUp window: the operator's frame, the instrument's set-up in two columns with
// the zero-time group, and Cancel, the test series and Close along the bottom.
QWidget* BuildSetupView(acquisition::KM4400SetUp& model);

}  // namespace qtui
