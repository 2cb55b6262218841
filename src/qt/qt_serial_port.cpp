#include "qt/qt_serial_port.h"

#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <optional>

namespace qtui {
namespace {

struct LineSettings {
  qint32 baud;
  QSerialPort::Parity parity;
  QSerialPort::DataBits dataBits;
  QSerialPort::StopBits stopBits;
};

std::optional<QSerialPort::Parity> ParityOf(const QString& letter) {
  if (letter == "N") return QSerialPort::NoParity;
  if (letter == "E") return QSerialPort::EvenParity;
  if (letter == "O") return QSerialPort::OddParity;
  if (letter == "M") return QSerialPort::MarkParity;
  if (letter == "S") return QSerialPort::SpaceParity;
  return std::nullopt;
}

std::optional<QSerialPort::StopBits> StopBitsOf(const QString& text) {
  if (text == "1") return QSerialPort::OneStop;
  if (text == "1.5") return QSerialPort::OneAndHalfStop;
  if (text == "2") return QSerialPort::TwoStop;
  return std::nullopt;
}

// "baud,parity,data bits,stop bits", e.g. "9600,N,8,1"; nothing when any part is not valid.
std::optional<LineSettings> ParseSettings(const std::string& text) {
  QStringList parts = QString::fromStdString(text).split(',');
  if (parts.size() != 4) return std::nullopt;
  bool baudOk = false;
  bool bitsOk = false;
  qint32 baud = parts[0].trimmed().toInt(&baudOk);
  int bits = parts[2].trimmed().toInt(&bitsOk);
  auto parity = ParityOf(parts[1].trimmed().toUpper());
  auto stop = StopBitsOf(parts[3].trimmed());
  if (!baudOk || baud <= 0 || !bitsOk || bits < 5 || bits > 8 || !parity || !stop)
    return std::nullopt;
  return LineSettings{baud, *parity, static_cast<QSerialPort::DataBits>(bits), *stop};
}

}  // namespace

QtSerialPort::QtSerialPort(DeviceResolver resolver, QObject* parent)
    : QObject(parent), resolver_(std::move(resolver)), serial_(new QSerialPort(this)) {
  connect(serial_, &QSerialPort::readyRead, this, &QtSerialPort::DataArrived);
  connect(serial_, &QSerialPort::errorOccurred, this, &QtSerialPort::ErrorOccurred);
  deviceLook_.setInterval(kDeviceLookMs);
  connect(&deviceLook_, &QTimer::timeout, this, &QtSerialPort::LookForDevice);
}

void QtSerialPort::SetSettings(const std::string& settings) {
  // A settings text that cannot be applied keeps the previous one.
  if (!ParseSettings(settings)) return;
  settings_ = settings;
  if (serial_->isOpen()) ApplyOrClose();
}

void QtSerialPort::SetPortOpen(bool open) {
  if (!open) deviceLook_.stop();
  if (open == serial_->isOpen()) return;
  if (open) {
    Open();
  } else {
    serial_->close();  // what was not read goes with it
  }
}

void QtSerialPort::Open() {
  serial_->setPortName(QString::fromStdString(DeviceName()));
  if (!serial_->open(QIODevice::ReadOnly)) {
    Notice(PortLabel() + " could not be opened: " + serial_->errorString().toStdString());
    return;
  }
  if (!ApplyOrClose()) return;
  deviceLook_.stop();
  // Characters from before the start of plotting belong to no run.
  serial_->clear(QSerialPort::Input);
}

// A device that refuses the line settings would deliver garbage: it is closed with a notice.
bool QtSerialPort::ApplyOrClose() {
  if (ApplyLineSettings()) return true;
  std::string reason = serial_->errorString().toStdString();
  serial_->close();
  Notice(PortLabel() + " could not be set to " + settings_ + ": " + reason);
  return false;
}

bool QtSerialPort::ApplyLineSettings() {
  std::optional<LineSettings> line = ParseSettings(settings_);
  return line && serial_->setBaudRate(line->baud) && serial_->setParity(line->parity) &&
         serial_->setDataBits(line->dataBits) && serial_->setStopBits(line->stopBits) &&
         serial_->setFlowControl(QSerialPort::NoFlowControl);
}

std::string QtSerialPort::Input() {
  if (!serial_->isOpen()) return {};
  qint64 count = serial_->bytesAvailable();
  if (inputLen_ > 0) count = std::min<qint64>(count, inputLen_);
  QByteArray bytes = serial_->read(count);
  charactersRead_ += bytes.size();
  return bytes.toStdString();
}

int QtSerialPort::InBufferCount() const {
  return serial_->isOpen() ? static_cast<int>(serial_->bytesAvailable()) : 0;
}

void QtSerialPort::DataArrived() {
  if (serial_->bytesAvailable() >= kThreshold) RaiseComm();
}

void QtSerialPort::ErrorOccurred(QSerialPort::SerialPortError error) {
  if (error == QSerialPort::NoError || !serial_->isOpen()) return;
  // On a pseudo-terminal hang-up QSerialPort reports ReadError, not ResourceError, and goes on
  // reporting it as fast as it can until the port is closed: both mean the device is gone.
  if (error == QSerialPort::ReadError || error == QSerialPort::ResourceError) {
    Lose();
    return;
  }
  RaiseComm();
}

void QtSerialPort::Lose() {
  std::string reason = serial_->errorString().toStdString();
  serial_->close();
  deviceLook_.start();
  if (lost_) lost_(reason);
}

void QtSerialPort::LookForDevice() {
  if (back_ && QFileInfo::exists(QString::fromStdString(DeviceName()))) back_();
}

void QtSerialPort::RaiseComm() const {
  if (comm_) comm_();
}

void QtSerialPort::Notice(const std::string& text) const {
  if (notice_) notice_(text);
}

std::string QtSerialPort::PortLabel() const {
  return "Comm Port " + std::to_string(port_) + " (" + DeviceName() + ")";
}

}  // namespace qtui
