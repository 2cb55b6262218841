#pragma once

#include <QObject>
#include <QSerialPort>
#include <QTimer>
#include <functional>
#include <string>

#include "core/platform/serial_port.h"

namespace qtui {

// The serial port over QSerialPort. The device of port 1 or 2 comes from a resolver (the
// operator's port device assignments) each time the port opens; a failed open and a lost
// device become notices, never a crash or a busy loop. After a loss a slow timer looks for
// the device at its name again (a replugged adapter, a new pseudo-terminal behind the same
// link): nothing tells a program when a device node appears, and a look four times a second
// costs nothing. The timer only asks the receive path, which decides.
class QtSerialPort : public QObject, public core::SerialPort {
  Q_OBJECT

 public:
  using DeviceResolver = std::function<std::string(int port)>;

  // Packets are 67 characters plus a two-character terminator. A threshold of one packet's
  // length makes each communication event carry about one packet, which the decoder needs:
  // it joins the previous and the current chunk and decodes the first packet in them.
  static constexpr int kThreshold = 67;
  static constexpr int kDeviceLookMs = 250;

  explicit QtSerialPort(DeviceResolver resolver, QObject* parent = nullptr);

  void SetPortNumber(int port) override {
    port_ = port;
    deviceLook_.stop();
  }
  int PortNumber() const override { return port_; }
  std::string DeviceName() const override { return resolver_(port_); }
  void SetSettings(const std::string& settings) override;
  std::string Settings() const override { return settings_; }
  void SetInputLen(int length) override { inputLen_ = length; }

  bool PortOpen() const override { return serial_->isOpen(); }
  void SetPortOpen(bool open) override;
  std::string Input() override;
  int InBufferCount() const override;
  int RThreshold() const override { return kThreshold; }

  void OnComm(std::function<void()> handler) override { comm_ = std::move(handler); }
  void OnNotice(std::function<void(const std::string&)> handler) override {
    notice_ = std::move(handler);
  }
  void OnLost(std::function<void(const std::string&)> handler) override {
    lost_ = std::move(handler);
  }
  void OnDeviceBack(std::function<void()> handler) override { back_ = std::move(handler); }

  // Characters read since the program started, for the flood tool.
  long long CharactersRead() const { return charactersRead_; }
  bool WatchingForDevice() const { return deviceLook_.isActive(); }

 private:
  void Open();
  bool ApplyOrClose();
  bool ApplyLineSettings();
  void Lose();
  void DataArrived();
  void ErrorOccurred(QSerialPort::SerialPortError error);
  void Notice(const std::string& text) const;
  std::string PortLabel() const;
  void RaiseComm() const;
  void LookForDevice();

  DeviceResolver resolver_;
  QSerialPort* serial_;  // a child, so tests can watch its signals
  int port_ = 1;
  std::string settings_ = "9600,N,8,1";
  int inputLen_ = 0;
  std::function<void()> comm_;
  std::function<void(const std::string&)> notice_;
  std::function<void(const std::string&)> lost_;
  std::function<void()> back_;
  QTimer deviceLook_;
  long long charactersRead_ = 0;
};

}  // namespace qtui
