#pragma once

#include <string>

#include "fuzz/harness/program_world.h"
#include "sim/test_cycle.h"

namespace soak {

// A program in the automatic retriggering mode plotting the simulator's repeating test, short
// tests so that many finish: one communication event per packet, the clock moving on by one
// line packet time, the leak folder a real one in a folder of its own.
class SoakStream {
 public:
  SoakStream();
  SoakStream(const SoakStream&) = delete;
  SoakStream& operator=(const SoakStream&) = delete;

  void SendNext();

  // Tests whose end ("R" then "Y") the program has decoded: each event decodes the packet
  // that arrived with the event before, so the end of a test counts one packet after it.
  long long FinishedTests() const { return finished_; }
  std::string LeakFolder() const;
  std::string UnsavedFolder() const;
  bool PortOpen() const { return world_.port.PortOpen(); }

 private:
  fuzz::ProgramWorld world_{""};
  sim::TestCycle cycle_;
  char lastStatus_ = ' ';
  bool endSent_ = false;
  long long finished_ = 0;
};

}  // namespace soak
