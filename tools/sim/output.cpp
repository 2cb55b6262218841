#include "sim/output.h"

#include <unistd.h>

#include "sim/fd_output.h"
#include "sim/pty_output.h"
#include "sim/sim_options.h"

namespace sim {

std::unique_ptr<Output> OpenOutput(const SimOptions& options, std::ostream& announce) {
  switch (options.output) {
    case OutputKind::kDevice:
      return FdOutput::OpenDevice(options.devicePath);
    case OutputKind::kPty: {
      PtyPair pty = OpenPty();
      announce << pty.SlavePath() << std::endl;
      return std::make_unique<PtyOutput>(std::move(pty));
    }
    case OutputKind::kStdout:
      break;
  }
  return std::make_unique<FdOutput>(STDOUT_FILENO, false);
}

}  // namespace sim
