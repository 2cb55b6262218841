#include "sim/fd_output.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "sim/serial_line.h"

namespace sim {

std::unique_ptr<FdOutput> FdOutput::OpenDevice(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOCTTY | O_CLOEXEC, 0644);
  if (fd < 0) {
    throw std::system_error(errno, std::generic_category(), "opening " + path);
  }
  auto output = std::make_unique<FdOutput>(fd, true);
  if (::isatty(fd)) {
    ConfigureRawSerial(fd);
  }
  return output;
}

FdOutput::FdOutput(int fd, bool owned) : fd_(fd), owned_(owned) {}

FdOutput::~FdOutput() {
  if (owned_) {
    ::close(fd_);
  }
}

bool FdOutput::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written >= 0) {
      bytes.remove_prefix(static_cast<std::size_t>(written));
      continue;
    }
    // EINTR: only the stop signals interrupt; EPIPE and EIO: the reader or the line is gone.
    if (errno == EINTR || errno == EPIPE || errno == EIO) {
      return false;
    }
    throw std::system_error(errno, std::generic_category(), "writing packets");
  }
  return true;
}

void FdOutput::Finish() {
  if (::isatty(fd_)) {
    ::tcdrain(fd_);
  }
}

}  // namespace sim
