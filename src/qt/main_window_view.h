#pragma once

#include "app/main_form.h"

class QMainWindow;

namespace qtui {

class RasterSurface;

// The LeakMainForm window: the menu bar, the live chart with its flow and time labels, and
// Frame2 with the row of chart controls, the notice line, the footer and Picture1.
QMainWindow* BuildMainWindowView(app::LeakMainForm& model, RasterSurface& chart);

}  // namespace qtui
