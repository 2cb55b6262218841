#include "scaling/time_scale.h"

#include "core/numbers.h"

namespace scaling {
namespace {

// The paper of the fixed-paper refresh, and the chart positions per division.
constexpr double kFixedPaperLength = 770;
constexpr double kPositionsPerDivision = 77;
// 11505 / 14.925: the chart positions visible on the chart.
constexpr double kVisibleRatioNumerator = 11505;
constexpr double kVisibleRatioDenominator = 14.925;

}  // namespace

TimeScale::TimeScale(GraphSetup& graphSetup, ScaleState& state)
    : graphSetup_(graphSetup), state_(state) {}

void TimeScale::RefreshTimeScale(int decimals, bool fixedPaper) {
  const double paper =
      fixedPaper ? kFixedPaperLength : core::NumericValue(graphSetup_.HistPaperLength.Text());
  WriteSecPerDiv(paper);
  const double divisions = core::Divide(kVisibleRatioNumerator / kVisibleRatioDenominator, paper) *
                           kPositionsPerDivision;
  graphSetup_.DivisionsDisplayed.SetText(core::FixedText(divisions, decimals));
  const double total = core::NumericValue(graphSetup_.SecPerDiv.Text()) *
                       core::NumericValue(graphSetup_.DivisionsDisplayed.Text());
  graphSetup_.TotalTimeDisplayed.SetText(core::FixedText(total, decimals));
}

void TimeScale::WriteSecPerDiv(double paperLength) {
  const double seconds =
      core::Divide(paperLength / kPositionsPerDivision * 0.1, state_.TimeMultiplier) *
      (state_.PacketSkip + 1);
  graphSetup_.SecPerDiv.SetText(core::FixedText(seconds, 2));
}

void TimeScale::Apply(const TimeIncrementCode& code) {
  graphSetup_.TimeIncrement.SetCaption(code.caption);
  state_.TimeMultiplier = code.multiplier;
  state_.PacketSkip = code.skip;
}

}  // namespace scaling
