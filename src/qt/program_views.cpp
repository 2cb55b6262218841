#include "qt/program_views.h"

#include <QCoreApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

#include "qt/about_view.h"
#include "qt/control_chart_view.h"
#include "qt/escape_closes.h"
#include "qt/graph_setup_view.h"
#include "qt/load_form_view.h"
#include "qt/main_window_view.h"
#include "qt/pen_colour_view.h"
#include "qt/port_devices_dialog.h"
#include "qt/print_draw_form_view.h"
#include "qt/serial_form_view.h"
#include "qt/setup_view.h"
#include "qt/status_view.h"
#include "qt/test_history_view.h"
#include "qt/window_placement.h"

namespace qtui {

ProgramViews::ProgramViews(app::Program& program, RasterSurface& chart, PictureSurface& picture,
                           std::function<void(QMainWindow&)> placeMain)
    : program_(program), chart_(chart), picture_(picture), placeMain_(std::move(placeMain)) {
  views_.Add(
      program.mainForm,
      [this] {
        QMainWindow* main = BuildMainWindowView(program_.mainForm, chart_);
        if (placeMain_) placeMain_(*main);
        return main;
      },
      [this] { program_.Form_Unload(); });
  AddSecondary(program.setup, [this] { return BuildSetupView(program_.setup); });
  AddSecondary(program.status, [this] { return BuildStatusView(program_.status); });
  AddSecondary(program.serialForm, [this] { return BuildSerialFormView(program_.serialForm); });
  AddSecondary(program.graphSetup, [this] { return BuildGraphSetupView(program_.graphSetup); });
  AddSecondary(program.penColour, [this] { return BuildPenColourView(program_.penColour); });
  AddSecondary(program.about, [this] { return BuildAboutView(program_.about); });
  AddSecondary(program.loadForm, [this] { return BuildLoadFormView(program_.loadForm); });
  AddSecondary(program.printDrawForm,
               [this] { return BuildPrintDrawFormView(program_.printDrawForm, picture_); });
  AddSecondary(program.testHistory, [this] { return BuildTestHistoryView(program_.testHistory); });
  AddSecondary(program.controlChart,
               [this] { return BuildControlChartView(program_.controlChart); });
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

void ProgramViews::HideAll() {
  views_.HideAll();
  if (portDevices_) portDevices_->hide();
}

void ProgramViews::AddSecondary(core::Window& window, std::function<QWidget*()> build) {
  views_.Add(
      window,
      [this, build = std::move(build)] {
        QWidget* view = build();
        CloseWithEscape(*view);
        Place(*view);
        return view;
      },
      [&window] { window.Hide(); });
}

void ProgramViews::Place(QWidget& secondary) const {
  QMainWindow* main = MainWindow();
  if (!main) return;
  auto global = [](const QWidget& widget) {
    return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size());
  };
  auto* button = main->findChild<QWidget*>("Stop_Command");
  int open = 0;
  for (QWidget* other : SecondaryViews()) {
    if (other != &secondary && other->isVisible()) ++open;
  }
  PlacementContext context{main->screen()->availableGeometry(), main->frameGeometry(),
                           global(*main->menuBar()), button ? global(*button) : QRect(), open};
  // The size it would be shown at; its frame is not known before it is shown, the main
  // window's is the best guess.
  if (QLayout* layout = secondary.layout()) layout->activate();
  if (!secondary.testAttribute(Qt::WA_Resized)) secondary.adjustSize();
  QSize decoration = main->frameGeometry().size() - main->geometry().size();
  QRect placed = PlaceSecondary(context, secondary.size() + decoration);
  secondary.resize(placed.size() - decoration);
  secondary.move(placed.topLeft());
}

std::vector<QWidget*> ProgramViews::SecondaryViews() const {
  std::vector<QWidget*> views;
  if (portDevices_) views.push_back(portDevices_);
  for (const core::Window* window : program_.Windows()) {
    QWidget* view = views_.ViewOf(*window);
    if (view && view != MainWindow()) views.push_back(view);
  }
  return views;
}

void ProgramViews::OpenPortDevices() {
  if (!portDevices_) {
    portDevices_ = new PortDevicesDialog(
        program_.PortDeviceAssignments(), [this] { program_.SavePortDevices(); }, nullptr);
    Place(*portDevices_);
  }
  portDevices_->Present();
}

}  // namespace qtui
