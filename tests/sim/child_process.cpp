#include "child_process.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <utility>

namespace sim::test_support {
namespace {

std::string ReadToEnd(int fd) {
  std::string text;
  char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n > 0) {
      text.append(buffer, static_cast<std::size_t>(n));
    } else if (n == 0 || errno != EINTR) {
      return text;
    }
  }
}

}  // namespace

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& args) {
  int out[2];
  int err[2];
  if (::pipe(out) != 0 || ::pipe(err) != 0) {
    throw std::runtime_error("pipe failed");
  }
  pid_ = ::fork();
  if (pid_ < 0) {
    throw std::runtime_error("fork failed");
  }
  if (pid_ == 0) {
    ::dup2(out[1], STDOUT_FILENO);
    ::dup2(err[1], STDERR_FILENO);
    ::close(out[0]);
    ::close(err[0]);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& arg : args) {
      argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  ::close(out[1]);
  ::close(err[1]);
  outFd_ = out[0];
  errFd_ = err[0];
}

ChildProcess::~ChildProcess() {
  if (!waited_) {
    ::kill(pid_, SIGKILL);
    Wait();
  }
  ::close(outFd_);
  ::close(errFd_);
}

std::string ChildProcess::ReadLine() {
  for (;;) {
    const std::size_t newline = pending_.find('\n');
    if (newline != std::string::npos) {
      std::string line = pending_.substr(0, newline);
      pending_.erase(0, newline + 1);
      return line;
    }
    char buffer[256];
    const ssize_t n = ::read(outFd_, buffer, sizeof buffer);
    if (n > 0) {
      pending_.append(buffer, static_cast<std::size_t>(n));
    } else if (n == 0 || errno != EINTR) {
      return std::exchange(pending_, std::string());
    }
  }
}

std::string ChildProcess::ReadRemainingOutput() {
  return std::exchange(pending_, std::string()) + ReadToEnd(outFd_);
}

std::string ChildProcess::ReadAllErrors() { return ReadToEnd(errFd_); }

void ChildProcess::Signal(int signal) { ::kill(pid_, signal); }

int ChildProcess::Wait() {
  while (!waited_) {
    if (::waitpid(pid_, &status_, 0) == pid_ || errno != EINTR) {
      waited_ = true;
    }
  }
  return status_;
}

}  // namespace sim::test_support
