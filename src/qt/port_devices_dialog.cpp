#include "qt/port_devices_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSerialPortInfo>
#include <QVBoxLayout>

namespace qtui {

PortDevicesDialog::PortDevicesDialog(acquisition::PortDevices& devices, std::function<void()> save,
                                     QWidget* parent)
    : QDialog(parent),
      devices_(devices),
      save_(std::move(save)),
      port1_(new QComboBox(this)),
      port2_(new QComboBox(this)) {
  setObjectName("PortDevicesDialog");
  setWindowTitle("Port Devices");
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  for (QComboBox* box : {port1_, port2_}) {
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumContentsLength(24);
  }
  port1_->setObjectName("Port1Device");
  port2_->setObjectName("Port2Device");
  form->addRow("Comm Port &1", port1_);
  form->addRow("Comm Port &2", port2_);
  layout->addLayout(form);
  auto* note = new QLabel(
      "An empty device restores the usual one. The choice applies the next time plotting starts.",
      this);
  note->setWordWrap(true);
  layout->addWidget(note);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &PortDevicesDialog::SaveChoice);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void PortDevicesDialog::Present() {
  Fill(*port1_, 1);
  Fill(*port2_, 2);
  show();
  raise();
  activateWindow();
}

void PortDevicesDialog::Fill(QComboBox& box, int port) {
  box.clear();
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    QString description = info.description().isEmpty() ? info.portName() : info.description();
    box.addItem(info.systemLocation() + "  (" + description + ")", info.systemLocation());
  }
  box.setEditText(QString::fromStdString(devices_.DeviceFor(port)));
}

void PortDevicesDialog::SaveChoice() {
  auto chosen = [](const QComboBox& box, int port) {
    // A listed port shows its description beside the path; the path is what is kept.
    int listed = box.findText(box.currentText());
    std::string device =
        (listed >= 0 ? box.itemData(listed).toString() : box.currentText()).trimmed().toStdString();
    // The usual device is not pinned, so the file lists only what the operator changed.
    return device == acquisition::PortDevices::DefaultDevice(port) ? std::string() : device;
  };
  devices_.Assign(1, chosen(*port1_, 1));
  devices_.Assign(2, chosen(*port2_, 2));
  save_();
  accept();
}

}  // namespace qtui
