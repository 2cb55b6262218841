#pragma once

#include "scaling/graph_setup_window.h"

class QWidget;

namespace qtui {

// The GraphSetup window: the trend recorder's properties with the time increment button, the
// instrument's scaling data, the leak limit switch, Rescale and Close.
QWidget* BuildGraphSetupView(scaling::GraphSetup& model);

}  // namespace qtui
