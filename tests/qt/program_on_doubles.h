#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <string>

#include "app/program.h"
#include "core/platform/local_file_system.h"
#include "doubles/fake_clock.h"
#include "doubles/recording_printer.h"
#include "doubles/recording_surface.h"
#include "doubles/scripted_dialogs.h"

namespace qt_test {

// A program in a folder of its own (with its leak folder, so start-up asks nothing), on a
// given serial port and test doubles for everything else.
struct ProgramOnDoubles {
  explicit ProgramOnDoubles(core::SerialPort& port)
      : files(WithLeakFolder(folder), WithLeakFolder(folder)),
        program(app::Platform{port, surface, clock, dialogs, files, picture, printer}) {}

  std::string Path(const std::string& name) const {
    return QDir(folder.path()).filePath(QString::fromStdString(name)).toStdString();
  }

  // The folder's path, once it holds the Leak folder.
  static std::string WithLeakFolder(const QTemporaryDir& dir) {
    QDir(dir.path()).mkpath("Leak");
    return dir.path().toStdString();
  }

  QTemporaryDir folder;
  doubles::RecordingSurface surface;
  doubles::RecordingSurface picture{777, 465};
  doubles::RecordingPrinter printer;
  doubles::FakeClock clock;
  doubles::ScriptedDialogs dialogs;
  core::LocalFileSystem files;
  app::Program program;
};

}  // namespace qt_test
