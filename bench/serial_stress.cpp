// The real program offscreen on a pseudo-terminal fed by the simulator (km4400-sim --pty).
//
//   serial_stress flood [seconds per step] [packets per second...]
//     raises the rate step by step and prints, for each, the characters and communication
//     events handled per second, whether the overrun watch closed the port, and how long a
//     click on "Stop Plotting" waited to be answered. Target: at 13,000 packets per second the
//     port stays open and the click is answered within 100 ms.
//   serial_stress faults [seconds]
//     every line fault at its highest probability (default a minute): the program must run on
//     with the port open, and the status window is checked after each batch of events.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "core/platform/local_file_system.h"
#include "qt/event_batches.h"
#include "qt/qt_program.h"

namespace {

void Spin(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

// The simulator on a pseudo-terminal of its own; its path is its first line of output.
class Simulator {
 public:
  explicit Simulator(const QStringList& options) {
    process_.start(QCoreApplication::applicationDirPath() + "/km4400-sim",
                   QStringList{"--pty"} + options);
    if (process_.waitForReadyRead(5000)) path_ = process_.readLine().trimmed().toStdString();
  }
  ~Simulator() {
    process_.terminate();
    if (!process_.waitForFinished(2000)) process_.kill();
  }
  const std::string& Path() const { return path_; }

 private:
  QProcess process_;
  std::string path_;
};

// The program in a folder of its own, plotting from the simulator.
class Rig {
 public:
  Rig() : files_(Folder(), Folder()), qt_(files_, Folder() + "/data") {}

  bool Start() {
    if (!qt_.Start()) return false;
    button_ = qt_.Views().MainWindow()->findChild<QPushButton*>("Stop_Command");
    return button_ != nullptr;
  }

  bool Plot(const Simulator& sim) {
    if (sim.Path().empty()) return false;
    Program().PortDeviceAssignments().Assign(1, sim.Path());
    Program().mainForm.Stop_Command.Click();
    return qt_.Port().PortOpen();
  }

  // A click as the operator makes it: press and release queued behind whatever waits.
  double ClickMilliseconds() {
    QPointF centre(button_->width() / 2.0, button_->height() / 2.0);
    QPointF global = button_->mapToGlobal(centre);
    const std::string before = Program().mainForm.Stop_Command.Caption();
    QElapsedTimer timer;
    timer.start();
    QCoreApplication::postEvent(
        button_, new QMouseEvent(QEvent::MouseButtonPress, centre, global, Qt::LeftButton,
                                 Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(
        button_, new QMouseEvent(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton,
                                 Qt::NoButton, Qt::NoModifier));
    while (Program().mainForm.Stop_Command.Caption() == before) {
      if (timer.elapsed() > 10000) return -1;
      QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
  }

  app::Program& Program() { return qt_.Program(); }
  qtui::QtSerialPort& Port() { return qt_.Port(); }
  long long Events() { return std::stoll(Program().serialForm.Text2.Text()); }

 private:
  std::string Folder() {
    QDir(folder_.path()).mkpath("Leak");
    return folder_.path().toStdString();
  }

  QTemporaryDir folder_;
  core::LocalFileSystem files_;
  qtui::QtProgram qt_;
  QPushButton* button_ = nullptr;
};

int Flood(Rig& rig, int seconds, std::vector<int> rates) {
  if (rates.empty()) rates = {15, 100, 1000, 3000, 6000, 10000, 13000, 16000, 20000};
  std::printf("%10s %14s %12s %8s %10s\n", "packets/s", "characters/s", "events/s", "port",
              "click ms");
  bool met = false;
  for (int rate : rates) {
    Simulator sim({"--rate", QString::number(rate), "--seed", "1"});
    if (!rig.Plot(sim)) {
      std::printf("%10d  the port did not open: %s\n", rate,
                  rig.Program().mainForm.Notice.Text().c_str());
      return 1;
    }
    Spin(300);  // the first packets, and the two events passed over
    long long events = rig.Events();
    long long characters = rig.Port().CharactersRead();
    QElapsedTimer timer;
    timer.start();
    Spin(seconds * 1000);
    double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    double eventsPerSecond = static_cast<double>(rig.Events() - events) / elapsed;
    double charactersPerSecond =
        static_cast<double>(rig.Port().CharactersRead() - characters) / elapsed;
    bool open = rig.Port().PortOpen();
    double click = rig.ClickMilliseconds();
    std::printf("%10d %14.0f %12.0f %8s %10.1f\n", rate, charactersPerSecond, eventsPerSecond,
                open ? "open" : "CLOSED", click);
    std::fflush(stdout);
    if (rate == 13000) met = open && click >= 0 && click <= 100;
  }
  std::printf("at 13000 packets/s the port stays open and a click is answered within 100 ms: %s\n",
              met ? "yes" : "NO");
  return met ? 0 : 2;
}

int Faults(Rig& rig, int seconds) {
  static const std::regex number("-?[0-9]+(\\.[0-9]+)?");
  static const std::string letters = "RYZFSN";  // what the simulator sends
  long long batches = 0;
  long long badNumbers = 0;
  long long strangeLetters = 0;
  QObject context;
  qtui::AfterEachBatch(context, [&] {
    const auto& s = rig.Program().status;
    ++batches;
    for (const core::TextBox* box : {&s.Text5, &s.Text6, &s.Text7}) {
      badNumbers += !box->Text().empty() && !std::regex_match(box->Text(), number);
    }
    for (const core::TextBox* box : {&s.Text1, &s.Text2, &s.Text3}) {
      strangeLetters +=
          box->Text().size() > 1 ||
          (box->Text().size() == 1 && letters.find(box->Text()[0]) == std::string::npos);
    }
  });
  Simulator sim(
      {"--garbage", "1", "--truncate", "1", "--split", "1", "--burst", "10", "--seed", "7"});
  if (!rig.Plot(sim)) return 1;
  long long events = rig.Events();
  Spin(seconds * 1000);
  bool open = rig.Port().PortOpen();
  std::printf("%d s of every fault: %lld events, %lld batches checked, port %s, program %s\n",
              seconds, rig.Events() - events, batches, open ? "open" : "CLOSED",
              rig.Program().Ended() ? "ENDED" : "running");
  std::printf("number boxes showing other than a number text: %lld\n", badNumbers);
  std::printf(
      "letter boxes showing other than a letter the simulator sends (a packet cut short): %lld\n",
      strangeLetters);
  return open && !rig.Program().Ended() && badNumbers == 0 ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::string mode = argc > 1 ? argv[1] : "";
  if (mode != "flood" && mode != "faults") {
    std::fprintf(stderr,
                 "usage: serial_stress flood [seconds per step] [packets per second...]\n"
                 "       serial_stress faults [seconds]\n");
    return 64;
  }
  Rig rig;
  if (!rig.Start()) return 1;
  if (mode == "faults") return Faults(rig, argc > 2 ? std::max(1, std::atoi(argv[2])) : 60);
  std::vector<int> rates;
  for (int i = 3; i < argc; ++i) rates.push_back(std::atoi(argv[i]));
  return Flood(rig, argc > 2 ? std::max(1, std::atoi(argv[2])) : 3, rates);
}
