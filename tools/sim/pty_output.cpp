#include "sim/pty_output.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

namespace sim {
PtyOutput::PtyOutput(PtyPair pty, std::chrono::milliseconds stalledAfter)
    : pty_(std::move(pty)), stalledAfter_(stalledAfter) {
  const int flags = ::fcntl(pty_.MasterFd(), F_GETFL);
  if (flags < 0 || ::fcntl(pty_.MasterFd(), F_SETFL, flags | O_NONBLOCK) != 0) {
    throw std::system_error(errno, std::generic_category(), "making the pty non-blocking");
  }
}

bool PtyOutput::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(pty_.MasterFd(), bytes.data(), bytes.size());
    if (written >= 0) {
      bytes.remove_prefix(static_cast<std::size_t>(written));
      continue;
    }
    if (errno == EINTR || errno == EIO) {
      return false;
    }
    if (errno != EAGAIN) {
      throw std::system_error(errno, std::generic_category(), "writing packets to the pty");
    }
    if (!WaitForRoom()) {
      return false;
    }
  }
  return true;
}

bool PtyOutput::WaitForRoom() {
  pollfd master{pty_.MasterFd(), POLLOUT, 0};
  const int ready = ::poll(&master, 1, static_cast<int>(stalledAfter_.count()));
  if (ready < 0) {
    if (errno == EINTR) {
      return false;
    }
    throw std::system_error(errno, std::generic_category(), "waiting on the pty");
  }
  if (ready == 0) {
    ::tcflush(pty_.SlaveFd(), TCIFLUSH);
  }
  return true;
}

}  // namespace sim
