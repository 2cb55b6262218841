#pragma once

#include "core/platform/clock.h"
#include "core/platform/dialogs.h"
#include "core/platform/drawing_surface.h"
#include "core/platform/file_system.h"
#include "core/platform/printer.h"
#include "core/platform/serial_port.h"

namespace app {

// The platform pieces the program is built on: Qt implementations in the program,
// test doubles in the session runner and the tests.
struct Platform {
  core::SerialPort& port;
  core::DrawingSurface& chart;  // LeftRightScreen
  core::Clock& clock;
  core::Dialogs& dialogs;
  core::FileSystem& files;
  core::DrawingSurface& picture;  // Print_Draw_Form.picEnroll
  core::Printer& printer;
};

}  // namespace app
