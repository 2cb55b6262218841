#pragma once

#include <chrono>
#include <string_view>

#include "sim/output.h"
#include "sim/pty_pair.h"

namespace sim {

// Writes to the master side of a pseudo-terminal. With no one reading, the pty queue would
// fill and stall the instrument, which a real line never does: once the queue has stayed full
// for a while, the unread bytes are dropped, as a serial port with nobody listening loses them.
// An attached reader drains the queue far sooner than this.
inline constexpr std::chrono::milliseconds kStalledQueue{1000};

class PtyOutput : public Output {
 public:
  // `stalledAfter`: how long a full queue waits for a reader before its bytes are dropped.
  explicit PtyOutput(PtyPair pty, std::chrono::milliseconds stalledAfter = kStalledQueue);

  bool Write(std::string_view bytes) override;

 private:
  // False when a stop signal interrupted the wait.
  bool WaitForRoom();

  PtyPair pty_;
  std::chrono::milliseconds stalledAfter_;
};

}  // namespace sim
