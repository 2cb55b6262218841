#pragma once

#include <string>

#include "app/configuration.h"
#include "app/program.h"
#include "core/platform/local_file_system.h"
#include "doubles/fake_clock.h"
#include "doubles/recording_printer.h"
#include "doubles/recording_surface.h"
#include "doubles/scripted_dialogs.h"
#include "doubles/scripted_serial_port.h"
#include "session/temp_folder.h"

namespace fuzz {

// A program on test doubles in a fresh folder of its own (start/ the working directory,
// home/Leak the leak folder), with the given start-up files written before it starts.
class ProgramWorld {
 public:
  ProgramWorld(const std::string& configuration, const std::string* portDevices = nullptr);
  ProgramWorld(const ProgramWorld&) = delete;
  ProgramWorld& operator=(const ProgramWorld&) = delete;

  std::string StartFile(const std::string& name) const;

  session::TempFolder folder{false};
  doubles::ScriptedSerialPort port;
  doubles::RecordingSurface chart;
  doubles::RecordingSurface picture{777, 465};
  doubles::RecordingPrinter printer;
  doubles::FakeClock clock;
  doubles::ScriptedDialogs dialogs;
  core::LocalFileSystem files;
  app::Program program;  // last: it holds references to everything above
};

}  // namespace fuzz
