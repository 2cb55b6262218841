#pragma once

#include <map>
#include <string>

namespace acquisition {

// Which device serial ports 1 and 2 stand for. The platform's usual names apply unless the
// operator assigned another device (a USB adapter, a pseudo-terminal); the assignments are
// kept in a small file of their own beside the configuration file, one "port=device" a line.
class PortDevices {
 public:
  static constexpr const char* kFileName = "serialports.txt";

  // The platform's usual device of a port: COM1/COM2 on Windows, /dev/ttyS0, /dev/ttyS1 elsewhere.
  static std::string DefaultDevice(int port);

  std::string DeviceFor(int port) const;
  void Assign(int port, const std::string& device);  // an empty device restores the default
  bool IsAssigned(int port) const { return assigned_.count(port) != 0; }

  // Reading ignores lines it cannot use, so a damaged file falls back to the defaults.
  static PortDevices Parse(const std::string& text);
  std::string Format() const;

 private:
  std::map<int, std::string> assigned_;
};

}  // namespace acquisition
