#pragma once

#include <cstdint>
#include <random>

#include "sim/packet.h"

namespace sim {

// What the simulated instrument is set up with. `instrument` is what every packet reports;
// its zero, fill, stab and read times (in time-base units) also drive the cycle, which fills
// in the test status and the flow rate.
struct CycleSettings {
  PacketFields instrument;
  double readySeconds = 5.0;
  int leakCounts = 0;  // extra flow during read, as a leaking part would show

  bool operator==(const CycleSettings&) const = default;
};

enum class Phase { kReady, kZero, kFill, kStab, kRead };

// The instrument's repeating test: ready, zero time (when set), fill, stabilisation, read,
// ready again. Each call to Next() is one packet, sampled `packetSeconds` after the previous
// one. The same settings and seed always give the same packets.
class TestCycle {
 public:
  // Throws std::invalid_argument for an unknown time base, a zero fill, stab or read time, or
  // a non-positive packet interval.
  TestCycle(const CycleSettings& settings, double packetSeconds, std::uint32_t seed);

  PacketFields Next();

  // Length of a phase in seconds, as the instrument times it.
  double PhaseSeconds(Phase phase) const;

 private:
  void Advance();
  void SkipFinishedPhases();
  void BeginTest();
  double MeanFlow() const;
  double FillRiseSeconds() const;
  double StabDecaySeconds() const;

  CycleSettings settings_;
  double packetSeconds_;
  std::mt19937 engine_;
  Phase phase_ = Phase::kReady;
  double phaseTime_ = 0.0;
  // Drawn afresh for each test so consecutive tests are not identical.
  double driftPerSecond_ = 0.0;
  double fillPeak_ = 0.0;
};

char StatusLetter(Phase phase);

}  // namespace sim
