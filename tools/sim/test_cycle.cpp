#include "sim/test_cycle.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "sim/random_draws.h"

namespace sim {
namespace {

// Below one count, so phase lengths that are whole multiples of the interval do not lose or
// gain a packet to rounding.
constexpr double kTimeEpsilon = 1e-9;
constexpr double kNoiseCounts = 1.5;
constexpr double kMaxCount = 9999.0;
// Pressurising drives the flow far above zero; stabilisation settles it back.
constexpr double kFillPeakCounts = 3000.0;
constexpr double kFillRiseSeconds = 0.4;
// Time constants per stabilisation time: what is left at the start of read is well under a
// count for typical fills.
constexpr double kStabTimeConstants = 7.0;

Phase NextPhase(Phase phase) {
  switch (phase) {
    case Phase::kReady:
      return Phase::kZero;
    case Phase::kZero:
      return Phase::kFill;
    case Phase::kFill:
      return Phase::kStab;
    case Phase::kStab:
      return Phase::kRead;
    case Phase::kRead:
      break;
  }
  return Phase::kReady;
}

}  // namespace

char StatusLetter(Phase phase) {
  switch (phase) {
    case Phase::kReady:
      return 'Y';
    case Phase::kZero:
      return 'Z';
    case Phase::kFill:
      return 'F';
    case Phase::kStab:
      return 'S';
    case Phase::kRead:
      break;
  }
  return 'R';
}

TestCycle::TestCycle(const CycleSettings& settings, double packetSeconds, std::uint32_t seed)
    : settings_(settings), packetSeconds_(packetSeconds), engine_(seed) {
  const PacketFields& f = settings_.instrument;
  if (f.timeBaseCode != 1 && f.timeBaseCode != 2) {
    throw std::invalid_argument("time base code must be 1 or 2");
  }
  if (f.fillTime <= 0 || f.stabTime <= 0 || f.readTime <= 0 || f.zeroTime < 0) {
    throw std::invalid_argument(
        "zero time may not be negative; fill, stab and read times must be positive");
  }
  if (settings_.readySeconds < 0.0) {
    throw std::invalid_argument("ready time may not be negative");
  }
  if (!(packetSeconds_ > 0.0)) {
    throw std::invalid_argument("packet interval must be positive");
  }
  // A zero ready time starts straight into the first test.
  SkipFinishedPhases();
}

double TestCycle::PhaseSeconds(Phase phase) const {
  const PacketFields& f = settings_.instrument;
  const double unit = f.timeBaseCode == 2 ? 0.1 : 1.0;
  switch (phase) {
    case Phase::kReady:
      return settings_.readySeconds;
    case Phase::kZero:
      return f.zeroTime * unit;
    case Phase::kFill:
      return f.fillTime * unit;
    case Phase::kStab:
      return f.stabTime * unit;
    case Phase::kRead:
      break;
  }
  return f.readTime * unit;
}

PacketFields TestCycle::Next() {
  PacketFields fields = settings_.instrument;
  fields.testStatus = StatusLetter(phase_);
  const double flow = MeanFlow() + kNoiseCounts * Gaussian(engine_);
  fields.flowRateCount = static_cast<int>(std::lround(std::clamp(flow, 0.0, kMaxCount)));
  Advance();
  return fields;
}

void TestCycle::Advance() {
  phaseTime_ += packetSeconds_;
  SkipFinishedPhases();
}

void TestCycle::SkipFinishedPhases() {
  // Carrying the remainder keeps the long-run timing exact; an empty phase (zero time 0,
  // ready time 0) is passed straight through.
  while (phaseTime_ >= PhaseSeconds(phase_) - kTimeEpsilon) {
    phaseTime_ = std::max(0.0, phaseTime_ - PhaseSeconds(phase_));
    if (phase_ == Phase::kReady) {
      BeginTest();
    }
    phase_ = NextPhase(phase_);
  }
}

void TestCycle::BeginTest() {
  driftPerSecond_ = 1.0 + 2.0 * UniformUnit(engine_);
  fillPeak_ = kFillPeakCounts * (0.95 + 0.1 * UniformUnit(engine_));
}

double TestCycle::FillRiseSeconds() const {
  return std::min(kFillRiseSeconds, PhaseSeconds(Phase::kFill) / 5.0);
}

double TestCycle::StabDecaySeconds() const {
  return PhaseSeconds(Phase::kStab) / kStabTimeConstants;
}

double TestCycle::MeanFlow() const {
  const double zero = settings_.instrument.flowZero;
  const double plateau = zero + settings_.leakCounts;
  const double fillEnd =
      zero + fillPeak_ * (1.0 - std::exp(-PhaseSeconds(Phase::kFill) / FillRiseSeconds()));
  switch (phase_) {
    case Phase::kReady:
      return zero;
    case Phase::kZero:
      // The slow thermal drift that temperature compensation measures.
      return zero + driftPerSecond_ * phaseTime_;
    case Phase::kFill:
      return zero + fillPeak_ * (1.0 - std::exp(-phaseTime_ / FillRiseSeconds()));
    case Phase::kStab:
    case Phase::kRead:
      break;
  }
  const double settling =
      phase_ == Phase::kStab ? phaseTime_ : PhaseSeconds(Phase::kStab) + phaseTime_;
  return plateau + (fillEnd - plateau) * std::exp(-settling / StabDecaySeconds());
}

}  // namespace sim
