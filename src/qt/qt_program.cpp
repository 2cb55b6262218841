#include "qt/qt_program.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include "qt/event_batches.h"

namespace qtui {

QtProgram::QtProgram(core::FileSystem& files)
    : port_([this](int number) {
        return program_ ? program_->PortDeviceAssignments().DeviceFor(number)
                        : acquisition::PortDevices::DefaultDevice(number);
      }),
      chart_(qGuiApp->devicePixelRatio()),
      dialogs_(app::LeakMainForm::kTitle),
      picture_(qGuiApp->devicePixelRatio()),
      program_(std::make_unique<app::Program>(app::Platform{port_, chart_, clock_, dialogs_, files, picture_, printer_})),
      views_(std::make_unique<ProgramViews>(*program_, chart_, picture_)) {
  program_->OnEnd([this] { End(); });
  AfterEachBatch(context_, [this] { program_->AfterEvents(); });
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
  dialogs_.Close();
  views_->HideAll();
  QCoreApplication::exit(0);
}

}  // namespace qtui
