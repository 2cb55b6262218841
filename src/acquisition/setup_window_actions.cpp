#include "acquisition/setup_window_actions.h"

#include "core/numbers.h"

namespace acquisition {

SetupWindowActions::SetupWindowActions(KM4400SetUp& setup, StatusForm& status,
                                       SetupWindowLinks links)
    : setup_(setup), status_(status), links_(std::move(links)) {
  setup_.MaximumFlow.OnChange([this] { MaximumFlow_Change(); });
  setup_.CmdKM4400Setup.OnClick([this] { CmdKM4400Setup_Click(); });
  setup_.Command1.OnClick([this] { Command1_Click(); });
  status_.Command1.OnClick([this] { StatusCommand1_Click(); });
}

// The full scale flow stays within 0..9999 whoever writes it; other texts stay as typed.
void SetupWindowActions::MaximumFlow_Change() {
  double value = core::NumericValue(setup_.MaximumFlow.Text());
  if (value > 9999) {
    setup_.MaximumFlow.SetText("9999");
  } else if (value < 0) {
    setup_.MaximumFlow.SetText("0");
  }
}

void SetupWindowActions::CmdKM4400Setup_Click() {
  links_.writeFlowLabels();
  links_.rescale();
  links_.setUpMaximumFlow.SetText(setup_.MaximumFlow.Text());
  setup_.Hide();
}

// Cancel only hides: the edits stay, the labels and chart scaling wait for Close.
void SetupWindowActions::Command1_Click() { setup_.Hide(); }

void SetupWindowActions::StatusCommand1_Click() { status_.Hide(); }

}  // namespace acquisition
