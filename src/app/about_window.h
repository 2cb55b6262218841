#pragma once

#include "core/button.h"
#include "core/text_box.h"
#include "core/window.h"

namespace app {

// About: the program's name and version, and Close.
class About : public core::Window {
 public:
  About();
  core::CaptionBox Line1{"Line1", "KM4400 Data Acquisition Software"};
  core::CaptionBox Line2{"Line2", "Version 1.03 - December 2003"};
  core::Button Command1{"Command1", "Close"};
};

}  // namespace app
