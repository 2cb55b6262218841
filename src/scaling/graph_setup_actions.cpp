#include "scaling/graph_setup_actions.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "core/numbers.h"

namespace scaling {
namespace {

// 11505 / 14.924: the shortest paper the window accepts (the refresh itself uses 14.925).
constexpr double kShortestPaper = 11505 / 14.924;
constexpr double kLongestPaper = 1600;
constexpr double kMostPlotsBeforeClear = 8;
constexpr double kFewestPlotsBeforeClear = 1;

// The code after `caption` in the button's cycle; an unknown caption starts the cycle again.
const TimeIncrementCode& NextCode(const std::string& caption) {
  const auto* current =
      std::find_if(kTimeIncrementCodes.begin(), kTimeIncrementCodes.end(),
                   [&](const TimeIncrementCode& code) { return caption == code.caption; });
  if (current == kTimeIncrementCodes.end()) return kTimeIncrementCodes.front();
  const auto next =
      static_cast<std::size_t>(std::distance(kTimeIncrementCodes.begin(), current) + 1);
  return kTimeIncrementCodes[next % kTimeIncrementCodes.size()];
}

}  // namespace

GraphSetupActions::GraphSetupActions(GraphSetup& window, ScaleState& state, TimeScale& timeScale,
                                     ChartScale& chartScale, GraphSetupLinks links)
    : window_(window),
      state_(state),
      timeScale_(timeScale),
      chartScale_(chartScale),
      links_(std::move(links)) {
  window_.SetLoadAction([this] { Form_Load(); });
  window_.TimeIncrement.OnClick([this] { TimeIncrement_Click(); });
  window_.Rescale.OnClick([this] { Rescale_Click(); });
  window_.Command1.OnClick([this] { Command1_Click(); });
  window_.SecPerDiv.OnChange([this] { SecPerDiv_Change(); });
  window_.HistPaperLength.OnEditEnd([this] { HistPaperLength_EditEnd(); });
  window_.ScreenClearCountMax.OnChange([this] { ScreenClearCountMax_Change(); });
}

void GraphSetupActions::Form_Load() {
  state_.TimeMultiplier = 1;
  timeScale_.RefreshTimeScale(0, false);
}

void GraphSetupActions::TimeIncrement_Click() {
  window_.HistPaperLength.EndEdit();
  timeScale_.Apply(NextCode(window_.TimeIncrement.Caption()));
  timeScale_.WriteSecPerDiv(core::NumericValue(window_.HistPaperLength.Text()));
}

// A seconds-per-division text that is not a number leaves the time labels as they are.
void GraphSetupActions::SecPerDiv_Change() {
  const std::string& secPerDiv = window_.SecPerDiv.Text();
  const double total =
      core::NumericValue(secPerDiv) * core::NumericValue(window_.DivisionsDisplayed.Text());
  window_.TotalTimeDisplayed.SetText(core::FixedText(total, 1));
  links_.numberSecPerDiv.SetText(secPerDiv);
  links_.writeTimeLabels(core::StrictNumericValue(secPerDiv));
}

// Kept between its limits once typed, not per keystroke: "1000" passes through "1".
void GraphSetupActions::HistPaperLength_EditEnd() {
  const double paper = core::NumericValue(window_.HistPaperLength.Text());
  if (kShortestPaper > paper) {
    window_.HistPaperLength.SetText(core::NumberText(kShortestPaper));
  } else if (paper > kLongestPaper) {
    window_.HistPaperLength.SetText(core::NumberText(kLongestPaper));
  }
}

void GraphSetupActions::ScreenClearCountMax_Change() {
  const double plots = core::NumericValue(window_.ScreenClearCountMax.Text());
  if (plots > kMostPlotsBeforeClear) {
    window_.ScreenClearCountMax.SetText(core::NumberText(kMostPlotsBeforeClear));
  } else if (plots < kFewestPlotsBeforeClear) {
    window_.ScreenClearCountMax.SetText(core::NumberText(kFewestPlotsBeforeClear));
  }
}

void GraphSetupActions::Rescale_Click() {
  window_.HistPaperLength.EndEdit();
  links_.reallocateChartMemory();
  chartScale_.CalcChartLimits();
  window_.HistMaxValue.SetText(std::to_string(state_.ChartMax));
  window_.HistMinValue.SetText(std::to_string(state_.ChartMin));
  timeScale_.RefreshTimeScale(1, true);
}

void GraphSetupActions::Command1_Click() { window_.Hide(); }

}  // namespace scaling
