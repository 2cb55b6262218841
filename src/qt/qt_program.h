#pragma once

#include <QObject>
#include <QTimer>
#include <memory>
#include <string>

#include "app/program.h"
#include "qt/picture_surface.h"
#include "qt/program_views.h"
#include "qt/qt_clock.h"
#include "qt/qt_dialogs.h"
#include "qt/qt_printer.h"
#include "qt/qt_serial_port.h"
#include "qt/raster_surface.h"

namespace qtui {

// The program as the operator runs it: the program object on the Qt platform pieces, with
// its window views and the overrun watch after each batch of events. When the program ends
// (by "&Exit" or by closing the main window) every window goes, no box can open any more
// and the event loop returns.
class QtProgram {
 public:
  // The test history's index lives in `historyFolder`, by default the program's data folder.
  explicit QtProgram(core::FileSystem& files, const std::string& historyFolder = DataFolder());
  static std::string DataFolder();
  QtProgram(const QtProgram&) = delete;
  QtProgram& operator=(const QtProgram&) = delete;
  ~QtProgram();

  // Start-up; false when the program ended during it.
  bool Start();

  app::Program& Program() { return *program_; }
  ProgramViews& Views() { return *views_; }
  QtSerialPort& Port() { return port_; }

 private:
  void End();

  core::FileSystem& files_;
  QtSerialPort port_;
  RasterSurface chart_;
  QtClock clock_;
  QtDialogs dialogs_;
  PictureSurface picture_;  // Print_Draw_Form.picEnroll
  QtPrinter printer_;
  std::unique_ptr<app::Program> program_;
  std::unique_ptr<ProgramViews> views_;
  QObject context_;  // the event hooks go with this object
  QTimer* background_ = nullptr;
};

}  // namespace qtui
