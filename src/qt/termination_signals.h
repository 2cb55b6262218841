#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace qtui {

// Ends the program as closing its window does when the desktop session, a terminal's Ctrl+C
// or `kill` asks it to (SIGTERM, SIGINT, SIGHUP), so the settings are kept then too. The
// signal handler only writes a byte to a pipe; the event loop reads it and runs `end` as it
// would the window's close button, never inside the handler.
class TerminationSignals : public QObject {
 public:
  explicit TerminationSignals(std::function<void()> end);
  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;
  ~TerminationSignals() override;

 private:
  void Read();

  std::function<void()> end_;
  int pipe_[2] = {-1, -1};
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace qtui
