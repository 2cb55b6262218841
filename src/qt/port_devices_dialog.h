#pragma once

#include <QDialog>
#include <functional>

#include "acquisition/port_devices.h"

class QComboBox;

namespace qtui {

// "Port Devices...": which device Comm Port 1 and 2 stand for. Offers the serial ports the
// system reports and takes any path typed in (a USB adapter, a pseudo-terminal). Modeless, so
// communication events go on while it is open; the choice applies from the next open.
class PortDevicesDialog : public QDialog {
  Q_OBJECT

 public:
  PortDevicesDialog(acquisition::PortDevices& devices, std::function<void()> save, QWidget* parent);

  // Shows the dialog with the current assignments and the ports present now.
  void Present();

 private:
  void Fill(QComboBox& box, int port);
  void SaveChoice();

  acquisition::PortDevices& devices_;
  std::function<void()> save_;
  QComboBox* port1_;
  QComboBox* port2_;
};

}  // namespace qtui
