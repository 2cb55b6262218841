#pragma once

#include <array>
#include <string>

#include "scaling/graph_setup_window.h"
#include "scaling/scale_state.h"

namespace scaling {

// A time increment code: the caption of the TimeIncrement button and the pair it stands for.
struct TimeIncrementCode {
  const char* caption;
  std::int16_t multiplier;
  std::int16_t skip;
};

// The codes in the order the TimeIncrement button steps through them.
inline constexpr std::array<TimeIncrementCode, 7> kTimeIncrementCodes{{{"/10", 1, 9},
                                                                       {"/5", 1, 4},
                                                                       {"/2", 1, 1},
                                                                       {"X1", 1, 0},
                                                                       {"X2", 2, 0},
                                                                       {"X5", 5, 0},
                                                                       {"X10", 10, 0}}};

// The time-scale refresh: seconds per division, displayed divisions and displayed time.
class TimeScale {
 public:
  TimeScale(GraphSetup& graphSetup, ScaleState& state);

  // `decimals` for the divisions and total-time texts; `fixedPaper` uses 770 for the paper length.
  void RefreshTimeScale(int decimals, bool fixedPaper);
  // Sets the button caption and TimeMultiplier and PacketSkip from a code.
  void Apply(const TimeIncrementCode& code);
  // SecPerDiv alone, from the paper length and the current code; its change action does the rest.
  void WriteSecPerDiv(double paperLength);

 private:
  GraphSetup& graphSetup_;
  ScaleState& state_;
};

}  // namespace scaling
