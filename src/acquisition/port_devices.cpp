#include "acquisition/port_devices.h"

#include <sstream>
#include <string_view>

namespace acquisition {
namespace {

bool IsPort(int port) { return port == 1 || port == 2; }

std::string_view Trimmed(std::string_view text) {
  std::size_t start = text.find_first_not_of(" \t\r");
  if (start == std::string_view::npos) return {};
  return text.substr(start, text.find_last_not_of(" \t\r") + 1 - start);
}

}  // namespace

std::string PortDevices::DefaultDevice(int port) {
#ifdef _WIN32
  return "COM" + std::to_string(port);
#else
  return "/dev/ttyS" + std::to_string(port - 1);
#endif
}

std::string PortDevices::DeviceFor(int port) const {
  auto found = assigned_.find(port);
  return found != assigned_.end() ? found->second : DefaultDevice(port);
}

// Only ports 1 and 2 exist; a device that would break the one-a-line file is not taken.
void PortDevices::Assign(int port, const std::string& device) {
  if (!IsPort(port) || device.find_first_of("\r\n") != std::string::npos) return;
  std::string_view name = Trimmed(device);
  if (name.empty()) {
    assigned_.erase(port);
  } else {
    assigned_[port] = std::string(name);
  }
}

PortDevices PortDevices::Parse(const std::string& text) {
  PortDevices devices;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    std::string_view key = Trimmed(std::string_view(line).substr(0, equals));
    std::string_view device = Trimmed(std::string_view(line).substr(equals + 1));
    if (key.size() != 1 || device.empty()) continue;
    devices.Assign(key[0] - '0', std::string(device));
  }
  return devices;
}

std::string PortDevices::Format() const {
  std::string text;
  for (const auto& [port, device] : assigned_) text += std::to_string(port) + "=" + device + "\n";
  return text;
}

}  // namespace acquisition
