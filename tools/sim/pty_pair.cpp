#include "sim/pty_pair.h"

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <system_error>
#include <utility>

#include "sim/serial_line.h"

namespace sim {

PtyPair::PtyPair(int masterFd, int slaveFd, std::string slavePath)
    : masterFd_(masterFd), slaveFd_(slaveFd), slavePath_(std::move(slavePath)) {}

PtyPair::~PtyPair() { Close(); }

PtyPair::PtyPair(PtyPair&& other) noexcept
    : masterFd_(std::exchange(other.masterFd_, -1)),
      slaveFd_(std::exchange(other.slaveFd_, -1)),
      slavePath_(std::move(other.slavePath_)) {}

PtyPair& PtyPair::operator=(PtyPair&& other) noexcept {
  if (this != &other) {
    Close();
    masterFd_ = std::exchange(other.masterFd_, -1);
    slaveFd_ = std::exchange(other.slaveFd_, -1);
    slavePath_ = std::move(other.slavePath_);
  }
  return *this;
}

void PtyPair::Close() {
  if (masterFd_ >= 0) {
    ::close(masterFd_);
  }
  if (slaveFd_ >= 0) {
    ::close(slaveFd_);
  }
  masterFd_ = -1;
  slaveFd_ = -1;
}

PtyPair OpenPty() {
  int master = -1;
  int slave = -1;
  std::array<char, 256> name{};
  if (::openpty(&master, &slave, name.data(), nullptr, nullptr) != 0) {
    throw std::system_error(errno, std::generic_category(), "creating a pseudo-terminal");
  }
  PtyPair pty(master, slave, name.data());
  // Programs the caller starts must not keep the line open after it closes it.
  ::fcntl(master, F_SETFD, FD_CLOEXEC);
  ::fcntl(slave, F_SETFD, FD_CLOEXEC);
  ConfigureRawSerial(slave);
  return pty;
}

}  // namespace sim
