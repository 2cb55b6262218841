#include "qt/program_views.h"

#include <QCoreApplication>
#include <QMainWindow>

#include "qt/about_view.h"
#include "qt/graph_setup_view.h"
#include "qt/load_form_view.h"
#include "qt/main_window_view.h"
#include "qt/pen_colour_view.h"
#include "qt/port_devices_dialog.h"
#include "qt/print_draw_form_view.h"
#include "qt/serial_form_view.h"
#include "qt/setup_view.h"
#include "qt/status_view.h"

namespace qtui {

ProgramViews::ProgramViews(app::Program& program, RasterSurface& chart,
                           PictureSurface& picture)
    : program_(program), chart_(chart), picture_(picture) {
  views_.Add(
      program.mainForm, [this] { return BuildMainWindowView(program_.mainForm, chart_); },
      [this] { program_.Form_Unload(); });
  AddSecondary(program.setup,
               [this](QWidget* owner) { return BuildSetupView(program_.setup, owner); });
  AddSecondary(program.status,
               [this](QWidget* owner) { return BuildStatusView(program_.status, owner); });
  AddSecondary(program.serialForm,
               [this](QWidget* owner) { return BuildSerialFormView(program_.serialForm, owner); });
  AddSecondary(program.graphSetup,
               [this](QWidget* owner) { return BuildGraphSetupView(program_.graphSetup, owner); });
  AddSecondary(program.penColour,
               [this](QWidget* owner) { return BuildPenColourView(program_.penColour, owner); });
  AddSecondary(program.about,
               [this](QWidget* owner) { return BuildAboutView(program_.about, owner); });
  AddSecondary(program.loadForm,
               [this](QWidget* owner) { return BuildLoadFormView(program_.loadForm, owner); });
  AddSecondary(program.printDrawForm, [this](QWidget* owner) {
    return BuildPrintDrawFormView(program_.printDrawForm, picture_, owner);
  });
  program.mainForm.PortDevices.OnClick([this] { OpenPortDevices(); });
  // While stored files are drawn the windows answer and the chart repaints.
  program.OnPendingEvents([] { QCoreApplication::processEvents(); });
}

ProgramViews::~ProgramViews() {
  program_.mainForm.PortDevices.OnClick({});
  program_.OnPendingEvents({});
  delete portDevices_.data();
}

QMainWindow* ProgramViews::MainWindow() const {
  return static_cast<QMainWindow*>(views_.ViewOf(program_.mainForm));
}

void ProgramViews::AddSecondary(core::Window& window,
                                std::function<QWidget*(QWidget* owner)> build) {
  // Secondary windows belong to the main window, so they close and go with it.
  views_.Add(
      window, [this, build = std::move(build)] { return build(MainWindow()); },
      [&window] { window.Hide(); });
}

void ProgramViews::OpenPortDevices() {
  if (!portDevices_) {
    portDevices_ = new PortDevicesDialog(
        program_.PortDeviceAssignments(), [this] { program_.SavePortDevices(); }, MainWindow());
  }
  portDevices_->Present();
}

}  // namespace qtui
