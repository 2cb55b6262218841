#pragma once

#include "app/about_window.h"

class QWidget;

namespace qtui {

// The About window: a frame with the program's name and version, and Close.
QWidget* BuildAboutView(app::About& model);

}  // namespace qtui
