#pragma once

#include <functional>
#include <string>

namespace core {

// The serial port as the receive path needs it (the operations of the MSComm1 object).
// Communication events are raised on the user-interface thread.
class SerialPort {
 public:
  virtual ~SerialPort() = default;

  // Selects port 1 or 2; only while the port is closed.
  virtual void SetPortNumber(int port) = 0;
  virtual int PortNumber() const = 0;
  // The device behind the current port number ("/dev/ttyS0", "COM1"), for notices.
  virtual std::string DeviceName() const = 0;
  // A settings text "baud,parity,data bits,stop bits", here always "9600,N,8,1".
  virtual void SetSettings(const std::string& settings) = 0;
  virtual std::string Settings() const = 0;
  // 0: every read returns all characters waiting.
  virtual void SetInputLen(int length) = 0;

  virtual bool PortOpen() const = 0;
  // Opens or closes the port; closing discards what was not read. An open that fails leaves
  // the port closed and tells the notice handler why. Closing a closed port only ends the
  // watch for a lost device.
  virtual void SetPortOpen(bool open) = 0;
  // All waiting characters, one per received byte, removed from the buffer.
  virtual std::string Input() = 0;
  virtual int InBufferCount() const = 0;
  // Waiting characters at which a receive event is raised.
  virtual int RThreshold() const = 0;

  virtual void OnComm(std::function<void()> handler) = 0;
  // One-line notices for the operator: could not open, could not take the line settings.
  virtual void OnNotice(std::function<void(const std::string&)> handler) = 0;
  // Told, with the reason, when the device vanishes while the port is open. The port is then
  // closed and watches for a device to appear at the same name again.
  virtual void OnLost(std::function<void(const std::string& reason)> handler) = 0;
  // Told, while that watch goes on, each time it finds a device at the port's name. The watch
  // ends when the port opens, is closed or is given another number.
  virtual void OnDeviceBack(std::function<void()> handler) = 0;
};

}  // namespace core
