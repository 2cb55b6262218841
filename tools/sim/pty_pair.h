#pragma once

#include <string>

namespace sim {

// Both ends of a pseudo-terminal, closed together. The slave end is held open as well, so the
// line stays up while readers come and go, as a serial port does.
class PtyPair {
 public:
  PtyPair(int masterFd, int slaveFd, std::string slavePath);
  ~PtyPair();
  PtyPair(PtyPair&& other) noexcept;
  PtyPair& operator=(PtyPair&& other) noexcept;
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;

  // Where the simulated instrument writes.
  int MasterFd() const { return masterFd_; }
  int SlaveFd() const { return slaveFd_; }
  // What a receiver opens, e.g. /dev/pts/3.
  const std::string& SlavePath() const { return slavePath_; }

 private:
  void Close();

  int masterFd_;
  int slaveFd_;
  std::string slavePath_;
};

// A new pseudo-terminal whose slave is set to 9600 8N1 raw. Throws std::system_error.
PtyPair OpenPty();

}  // namespace sim
