#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/platform/serial_port.h"

namespace doubles {

// A serial port fed by the test: Deliver() puts bytes in the receive buffer and raises the
// communication event, as the real port does when its threshold is reached.
class ScriptedSerialPort : public core::SerialPort {
 public:
  static constexpr int kThreshold = 67;  // as the real port: one packet waiting

  void SetPortNumber(int port) override {
    port_ = port;
    watching_ = false;
  }
  int PortNumber() const override { return port_; }
  std::string DeviceName() const override { return "scripted" + std::to_string(port_); }
  void SetSettings(const std::string& settings) override { settings_ = settings; }
  std::string Settings() const override { return settings_; }
  void SetInputLen(int length) override { inputLen_ = length; }
  int InputLen() const { return inputLen_; }
  bool PortOpen() const override { return open_; }
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

  // Adds bytes to the buffer and raises one communication event (also with nothing new).
  void Deliver(const std::string& bytes);
  // Pretends this many characters wait unread, whatever the buffer holds (the overrun watch).
  void SetInBufferCount(std::optional<int> count) { pretendCount_ = count; }
  // The next open fails with this reason; the port stays closed.
  void FailNextOpen(std::string reason) { failReason_ = std::move(reason); }
  // The port vanishes while open; the watch for its device begins.
  void Lose(const std::string& reason);
  // A device appears at the port's name: the watch, while it goes on, says so.
  void DeviceAppears();
  bool WatchingForDevice() const { return watching_; }
  int OpenCount() const { return openCount_; }

 private:
  int port_ = 1;
  std::string settings_ = "9600,N,8,1";
  int inputLen_ = 0;
  bool open_ = false;
  bool watching_ = false;
  int openCount_ = 0;
  std::string buffer_;
  std::optional<int> pretendCount_;
  std::optional<std::string> failReason_;
  std::function<void()> comm_;
  std::function<void(const std::string&)> notice_;
  std::function<void(const std::string&)> lost_;
  std::function<void()> back_;
};

}  // namespace doubles
