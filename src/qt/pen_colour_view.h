#pragma once

#include "trend/pen_colour_window.h"

class QWidget;

namespace qtui {

// The PenColour window: the eight plot colour rows in the order of a cycle, the colour code
// legend, the plot number and Close.
QWidget* BuildPenColourView(trend::PenColour& model);

}  // namespace qtui
