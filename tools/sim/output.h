#pragma once

#include <memory>
#include <ostream>
#include <string_view>

namespace sim {

struct SimOptions;

// Where the packet bytes go.
class Output {
 public:
  virtual ~Output() = default;

  // Writes all of `bytes` as one write where the medium allows. Returns false when the
  // stream should end: the reader has gone, or a stop signal interrupted the write.
  // Throws std::system_error on any other failure.
  virtual bool Write(std::string_view bytes) = 0;

  // After the last packet: lets a serial line send what it still holds.
  virtual void Finish() {}
};

// Opens the output chosen in the options. For a pty the slave path is written to `announce`
// as one line and flushed before anything is streamed. Throws std::system_error.
std::unique_ptr<Output> OpenOutput(const SimOptions& options, std::ostream& announce);

}  // namespace sim
