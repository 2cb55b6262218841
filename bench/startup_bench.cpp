// Start-up to the first painted main window, and resident memory then. Prints both with their
// targets (300 ms, 60 MB); run under a display or with QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <string>

#include "core/platform/local_file_system.h"
#include "qt/qt_program.h"

namespace {

double ResidentMegabytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  }
  return 0;
}

// Quits the event loop at the first paint of anything in the main window.
class FirstPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Paint && !painted && widget && widget->window() == window) {
      painted = true;
      QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    }
    return QObject::eventFilter(watched, event);
  }
  QWidget* window = nullptr;
  bool painted = false;
};

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer timer;
  timer.start();
  QApplication application(argc, argv);
  QTemporaryDir folder;  // a start folder and a leak folder of its own
  QDir(folder.path()).mkpath("home/Leak");

  core::LocalFileSystem files(folder.path().toStdString(), (folder.path() + "/home").toStdString());
  qtui::QtProgram program(files, (folder.path() + "/data").toStdString());
  FirstPaint firstPaint;
  program.Start();
  QMainWindow* window = program.Views().MainWindow();
  if (!window) return 1;
  firstPaint.window = window;
  application.installEventFilter(&firstPaint);
  QTimer::singleShot(10000, &application, [] { QCoreApplication::exit(2); });
  int result = QApplication::exec();
  double milliseconds = static_cast<double>(timer.nsecsElapsed()) / 1e6;
  std::printf("start-up to first painted window: %.1f ms (target at most 300 ms)\n", milliseconds);
  std::printf("resident memory: %.1f MB (target at most 60 MB)\n", ResidentMegabytes());
  return firstPaint.painted ? 0 : result;
}
