#pragma once

#include "core/button.h"
#include "core/control.h"
#include "core/window.h"

namespace reports {

// Print_Draw_Form, "Print": the preview picture picEnroll and its three buttons. The picture
// is a drawing surface of its own, handed to the preview; this control carries its tool tip.
class Print_Draw_Form : public core::Window {
 public:
  Print_Draw_Form();

  core::Control picEnroll{"picEnroll"};
  core::Button cmdPrint{"cmdPrint", "Print "};
  core::Button Command2{"Command2", "Clear Memory"};
  core::Button Command1{"Command1", "Cancel"};
};

}  // namespace reports
