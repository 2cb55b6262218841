#pragma once

#include "reports/print_draw_form.h"

class QWidget;

namespace qtui {

class PictureSurface;

// The print preview window: the picture over the whole width, the three buttons under it.
QWidget* BuildPrintDrawFormView(reports::Print_Draw_Form& model, PictureSurface& picture);

}  // namespace qtui
