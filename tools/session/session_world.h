#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "core/platform/local_file_system.h"
#include "doubles/fake_clock.h"
#include "doubles/recording_printer.h"
#include "doubles/recording_surface.h"
#include "doubles/scripted_dialogs.h"
#include "doubles/scripted_serial_port.h"
#include "session/subject.h"
#include "session/temp_folder.h"

namespace session {

// Everything one script runs in: the platform doubles, a folder of its own (start/ is the
// working directory at start-up, home/ stands in for "C:\" and home/Leak for "C:\Leak"),
// and the program built on them.
class SessionWorld {
 public:
  SessionWorld(const SubjectFactory& factory, bool keepFolder);
  SessionWorld(const SessionWorld&) = delete;
  SessionWorld& operator=(const SessionWorld&) = delete;

  doubles::ScriptedSerialPort& Port() { return port_; }
  doubles::RecordingSurface& Chart() { return chart_; }
  const doubles::RecordingSurface& Chart() const { return chart_; }
  doubles::RecordingSurface& Picture() { return picture_; }
  doubles::RecordingPrinter& Printer() { return printer_; }
  const doubles::RecordingSurface& Picture() const { return picture_; }
  const doubles::RecordingPrinter& Printer() const { return printer_; }
  doubles::FakeClock& Clock() { return clock_; }
  doubles::ScriptedDialogs& Dialogs() { return dialogs_; }
  Subject& Program() { return *program_; }
  const TempFolder& Folder() const { return folder_; }

  // A script's path: "leak/..." lies in the leak folder stand-in, "home/..." in the root
  // stand-in, "data/..." in the program's data folder, anything else in the start folder.
  std::filesystem::path PathOf(const std::string& scriptPath) const;
  std::filesystem::path LeakFolder() const;
  std::filesystem::path HomeFolder() const;
  std::filesystem::path StartFolder() const;
  std::filesystem::path DataFolder() const;

 private:
  TempFolder folder_;
  doubles::ScriptedSerialPort port_;
  doubles::RecordingSurface chart_;
  doubles::RecordingSurface picture_{777, 465};  // Print_Draw_Form.picEnroll
  doubles::RecordingPrinter printer_;
  doubles::FakeClock clock_;
  doubles::ScriptedDialogs dialogs_;
  core::LocalFileSystem files_;
  std::unique_ptr<Subject> program_;  // last: it holds references to everything above
};

}  // namespace session
