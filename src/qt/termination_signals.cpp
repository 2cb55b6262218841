#include "qt/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <csignal>

namespace qtui {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// A signal handler can reach nothing but a value of its own: the pipe's writing end.
volatile std::sig_atomic_t wakeFd = -1;

void Wake(int) {
  char byte = 1;
  if (wakeFd < 0) return;
  ssize_t written = ::write(wakeFd, &byte, 1);
  (void)written;  // a full pipe already holds a wake-up
}

}  // namespace

TerminationSignals::TerminationSignals(std::function<void()> end) : end_(std::move(end)) {
  if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;  // no pipe: signals keep their default
  wakeFd = pipe_[1];
  notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] { Read(); });
  struct sigaction action {};
  action.sa_handler = Wake;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : kSignals) ::sigaction(signal, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
  for (int signal : kSignals) std::signal(signal, SIG_DFL);
  wakeFd = -1;
  for (int fd : pipe_) {
    if (fd >= 0) ::close(fd);
  }
}

void TerminationSignals::Read() {
  char bytes[16];
  while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
  }
  end_();
}

}  // namespace qtui
