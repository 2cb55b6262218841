#pragma once

#include "scaling/serial_form.h"

class QWidget;

namespace qtui {

// The SerialForm window: the joined serial input and event count at the top, then the chart
// scaling as worked formulas, one box per term, and Manual Calibration and Close.
QWidget* BuildSerialFormView(scaling::SerialForm& model);

}  // namespace qtui
