#pragma once

#include <QPointer>
#include <vector>

#include "app/program.h"
#include "qt/port_devices_dialog.h"
#include "qt/window_views.h"

class QMainWindow;

namespace qtui {

class PictureSurface;
class RasterSurface;

// The widget views of a program's windows, each built the first time its window is shown,
// and the port devices dialog of the serial menu. Closing the main window shuts the program
// down; closing any other window hides it. Secondary windows are windows of their own, placed
// clear of the main window's menus and button; these views delete them with the main window.
class ProgramViews {
 public:
  // `placeMain` puts the main window in its place before it is first shown.
  ProgramViews(app::Program& program, RasterSurface& chart, PictureSurface& picture,
               std::function<void(QMainWindow&)> placeMain = {});
  ProgramViews(const ProgramViews&) = delete;
  ProgramViews& operator=(const ProgramViews&) = delete;
  ~ProgramViews();

  // The view of a window, or nullptr while the window has not been shown.
  QWidget* ViewOf(const core::Window& window) const { return views_.ViewOf(window); }
  QMainWindow* MainWindow() const;
  PortDevicesDialog* PortDevices() const { return portDevices_; }
  // Every window, the port devices dialog included, goes from the screen.
  void HideAll();

 private:
  void AddSecondary(core::Window& window, std::function<QWidget*()> build);
  void OpenPortDevices();
  // Moves a secondary window, not yet shown, to its place beside or below the main window.
  void Place(QWidget& secondary) const;
  // The secondary windows built so far, the port devices dialog included.
  std::vector<QWidget*> SecondaryViews() const;

  app::Program& program_;
  RasterSurface& chart_;
  PictureSurface& picture_;
  std::function<void(QMainWindow&)> placeMain_;
  WindowViews views_;
  QPointer<PortDevicesDialog> portDevices_;
};

}  // namespace qtui
