#pragma once

#include <string>
#include <vector>

namespace sim::test_support {

// The simulator binary run as a child process, its standard output and error piped back.
class ChildProcess {
 public:
  ChildProcess(const std::string& program, const std::vector<std::string>& args);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // The next line of standard output without its newline; what was read so far at EOF.
  std::string ReadLine();
  // The rest of standard output, up to EOF.
  std::string ReadRemainingOutput();
  std::string ReadAllErrors();

  void Signal(int signal);
  // The raw wait status.
  int Wait();

 private:
  int pid_ = -1;
  int outFd_ = -1;
  int errFd_ = -1;
  std::string pending_;
  bool waited_ = false;
  int status_ = 0;
};

}  // namespace sim::test_support
