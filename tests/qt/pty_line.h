#pragma once

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

#include <stdexcept>
#include <string>

namespace qt_test {

// A pseudo-terminal standing in for an instrument's serial line: the test writes into the
// master end, the program opens the slave path. Closing the master is the cable pulled out.
class PtyLine {
 public:
  PtyLine() {
    int slave = -1;
    char name[256] = {};
    if (::openpty(&master_, &slave, name, nullptr, nullptr) != 0)
      throw std::runtime_error("openpty failed");
    // Only the program holds the slave open, as it alone would hold a real port.
    ::close(slave);
    path_ = name;
  }
  ~PtyLine() { Hangup(); }
  PtyLine(const PtyLine&) = delete;
  PtyLine& operator=(const PtyLine&) = delete;

  const std::string& Path() const { return path_; }

  void Write(const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
      ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
      if (n <= 0) throw std::runtime_error("write to the pseudo-terminal failed");
      done += static_cast<std::size_t>(n);
    }
  }

  void Hangup() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }

 private:
  int master_ = -1;
  std::string path_;
};

}  // namespace qt_test
