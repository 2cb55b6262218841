#pragma once

#include <string>
#include <string_view>

#include "sim/output.h"

namespace sim {

// Blocking writes to a file descriptor: standard output, a file, a fifo or a serial device.
class FdOutput : public Output {
 public:
  // Opens (creating a plain file if need be) and, when it is a terminal, sets 9600 8N1 raw.
  static std::unique_ptr<FdOutput> OpenDevice(const std::string& path);

  FdOutput(int fd, bool owned);
  ~FdOutput() override;
  FdOutput(const FdOutput&) = delete;
  FdOutput& operator=(const FdOutput&) = delete;

  bool Write(std::string_view bytes) override;
  void Finish() override;

 private:
  int fd_;
  bool owned_;
};

}  // namespace sim
