// KM4400 Leak Detector Data Acquisition Software: the program on its Qt platform pieces, in
// the folder it is started from, then the event loop.
#include <QApplication>
#include <QDir>
#include <QTimer>

#include "core/platform/local_file_system.h"
#include "qt/qt_program.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setStyle("Fusion");
  // For the demonstration with the simulator only: start plotting once the window is up.
  bool startPlotting = QApplication::arguments().contains("--start-plotting");

  core::LocalFileSystem files(QDir::currentPath().toStdString(), QDir::homePath().toStdString());
  qtui::QtProgram program(files);
  if (!program.Start()) return 0;
  if (startPlotting) {
    QTimer::singleShot(0, &application,
                       [&program] { program.Program().mainForm.Stop_Command.Click(); });
  }
  return QApplication::exec();
}
