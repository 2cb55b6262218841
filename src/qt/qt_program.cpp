#include "qt/qt_program.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QStandardPaths>
#include <QTimer>

#include "qt/event_batches.h"
#include "qt/main_window_place.h"

namespace qtui {
namespace {

constexpr int kLinkTickMs = 500;

}  // namespace

std::string QtProgram::DataFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
}

QtProgram::QtProgram(core::FileSystem& files, const std::string& historyFolder)
    : files_(files),
      port_([this](int number) {
        return program_ ? program_->PortDeviceAssignments().DeviceFor(number)
                        : acquisition::PortDevices::DefaultDevice(number);
      }),
      chart_(qGuiApp->devicePixelRatio()),
      dialogs_(app::LeakMainForm::kTitle),
      picture_(qGuiApp->devicePixelRatio()),
      program_(std::make_unique<app::Program>(
          app::Platform{port_, chart_, clock_, dialogs_, files, picture_, printer_})),
      views_(std::make_unique<ProgramViews>(*program_, chart_, picture_, [this](QMainWindow& main) {
        RestoreMainWindowPlace(main, files_, program_->StartDir());
      })) {
  program_->OnEnd([this] { End(); });
  program_->UseHistoryFolder(historyFolder);
  // Bringing the test history up to date goes in short steps between events, so the packets
  // keep their pace; the program passes a step over while a communication event is unfinished.
  background_ = new QTimer(&context_);
  background_->setInterval(0);
  QObject::connect(background_, &QTimer::timeout, &context_, [this] {
    if (!program_->BackgroundStep()) background_->stop();
  });
  AfterEachBatch(context_, [this] {
    program_->AfterEvents();
    if (program_->HasBackgroundWork() && !background_->isActive()) background_->start();
  });
  // Silence raises no event, so the link statistics need a tick of their own; the program
  // passes it over while a communication event is unfinished.
  auto* tick = new QTimer(&context_);
  QObject::connect(tick, &QTimer::timeout, &context_,
                   [this] { program_->RefreshLinkStatistics(); });
  tick->start(kLinkTickMs);
}

QtProgram::~QtProgram() = default;

bool QtProgram::Start() {
  program_->Form_Load();
  if (program_->Ended()) return false;
  program_->mainForm.Show();
  return true;
}

// Qt's quit() would first ask each window to close, and the main window answers a close by
// shutting down, which has already run: exit() ends every event loop, a box's own included.
void QtProgram::End() {
  if (QMainWindow* main = views_->MainWindow()) {
    SaveMainWindowPlace(*main, files_, program_->StartDir());
  }
  dialogs_.Close();
  views_->HideAll();
  QCoreApplication::exit(0);
}

}  // namespace qtui
