// KM4400 Leak Detector Data Acquisition Software: wires the Qt platform pieces, the program
// and its window views, then runs the event loop.
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <optional>

#include "app/program.h"
#include "core/platform/local_file_system.h"
#include "qt/event_batches.h"
#include "qt/picture_surface.h"
#include "qt/program_views.h"
#include "qt/qt_printer.h"
#include "qt/qt_clock.h"
#include "qt/qt_dialogs.h"
#include "qt/qt_serial_port.h"
#include "qt/raster_surface.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setStyle("Fusion");
  // For the demonstration with the simulator only: start plotting once the window is up.
  bool startPlotting = QApplication::arguments().contains("--start-plotting");

  std::optional<app::Program> program;
  qtui::QtSerialPort port([&program](int number) {
    return program ? program->PortDeviceAssignments().DeviceFor(number)
                   : acquisition::PortDevices::DefaultDevice(number);
  });
  qtui::RasterSurface chart(application.devicePixelRatio());
  qtui::QtClock clock;
  qtui::QtDialogs dialogs(app::LeakMainForm::kTitle);
  qtui::PictureSurface picture(application.devicePixelRatio());
  qtui::QtPrinter printer;
  core::LocalFileSystem files(QDir::currentPath().toStdString(), QDir::homePath().toStdString());
  program.emplace(app::Platform{port, chart, clock, dialogs, files, picture, printer});

  qtui::ProgramViews views(*program, chart, picture);
  program->OnEnd([] { QCoreApplication::quit(); });
  qtui::AfterEachBatch(application, [&program] { program->AfterEvents(); });
  program->Form_Load();
  if (program->Ended()) return 0;
  program->mainForm.Show();
  if (startPlotting)
    QTimer::singleShot(0, &application, [&program] { program->mainForm.Stop_Command.Click(); });
  return QApplication::exec();
}
