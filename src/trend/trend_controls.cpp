#include "trend/trend_controls.h"

#include <string>

#include "core/numbers.h"

namespace trend {

TrendControls::TrendControls(PlotState& state, const scaling::GraphSetup& graphSetup,
                             PenColour& penColour, core::DrawingSurface& surface,
                             const core::Clock& clock, TrendControlsLinks links)
    : state_(state),
      graphSetup_(graphSetup),
      penColour_(penColour),
      surface_(surface),
      clock_(clock),
      links_(std::move(links)) {
  for (int i = 0; i < static_cast<int>(links_.modes.size()); ++i) {
    links_.modes[static_cast<std::size_t>(i)]->OnClick([this, i] { Trend_Screen_Item_Click(i); });
  }
  penColour_.Command1.OnClick([this] { penColour_.Hide(); });
}

void TrendControls::Trend_Screen_Item_Click(int index) {
  state_.PlotsSinceClear = 0;
  if (index < 0 || index >= static_cast<int>(links_.modes.size())) return;
  if (links_.modes[static_cast<std::size_t>(index)]->Checked()) return;
  for (int i = 0; i < static_cast<int>(links_.modes.size()); ++i) {
    links_.modes[static_cast<std::size_t>(i)]->SetChecked(i == index);
  }
}

void TrendControls::PlotSequenceStep() {
  double plotsPerCycle = core::NumericValue(graphSetup_.ScreenClearCountMax.Text());
  state_.PlotIndex = plotsPerCycle < state_.PlotIndex ? 2 : state_.PlotIndex + 1;
  if (TriggeredMode() && plotsPerCycle < state_.PlotsSinceClear) {
    state_.PlotsSinceClear = 1;
    Command4_Click();
  }
  state_.PlotsSinceClear = core::CheckedInt16(state_.PlotsSinceClear + 1);
  penColour_.plotnumbertext.SetText(std::to_string(state_.PlotsSinceClear - 1));
}

void TrendControls::Command2_Click() {
  links_.stopAcquisition();
  state_.RealTimeStamp = static_cast<float>(clock_.SecondsSinceMidnight());
  state_.ChartPosition = 0;
  links_.positionBox.SetText("0");
}

void TrendControls::Command4_Click() { surface_.Cls(); }

void TrendControls::Reset_Command_Click() {
  links_.realTimeBox.SetText("0");
  state_.RealTimeStamp = static_cast<float>(clock_.SecondsSinceMidnight());
}

bool TrendControls::TriggeredMode() const {
  return links_.modes[1]->Checked() || links_.modes[2]->Checked();
}

}  // namespace trend
