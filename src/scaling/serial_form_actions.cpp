#include "scaling/serial_form_actions.h"

#include <string>

#include "core/numbers.h"

namespace scaling {
SerialFormActions::SerialFormActions(SerialForm& form, const acquisition::KM4400SetUp& setup,
                                     const GraphSetup& graphSetup, ChartScale& chartScale)
    : form_(form), setup_(setup), graphSetup_(graphSetup), chartScale_(chartScale) {
  form_.SetLoadAction([this] { Form_Load(); });
  form_.Command2.OnClick([this] { Command2_Click(); });
  form_.Command1.OnClick([this] { form_.Hide(); });
  form_.Hist1Max.OnChange([this] { Hist1Max_Change(); });
  form_.Text3.OnChange([this] { Text3_Change(); });
}

void SerialFormActions::Form_Load() { form_.SetUpMaximumFlow.SetText(setup_.MaximumFlow.Text()); }

// The chart limits laid out term by term, without the 32767 ceiling and without touching
// ChartMax or ChartMin; a failing step leaves the later boxes as they were.
void SerialFormActions::Command2_Click() {
  form_.SetUpMaximumFlow.SetText(setup_.MaximumFlow.Text());
  const double flowZero = core::NumericValue(graphSetup_.FlowZero.Text());
  form_.Text3.SetText(core::NumberText(flowZero));
  form_.Text5.SetText(core::NumberText(flowZero));
  const std::int16_t bias = core::RoundToInt16(chartScale_.CalcChartBias());
  const std::int16_t maxRaw = core::RoundToInt16(chartScale_.CalcMaxRawFlowCount());
  form_.Hist1Max.SetText(std::to_string(core::CheckedInt16(std::int64_t{maxRaw} + bias)));
  form_.Text4.SetText(std::to_string(maxRaw));
  form_.Text6.SetText(std::to_string(maxRaw));
  form_.Text7.SetText(std::to_string(bias));
  const double unlimited = MinimumBelow(flowZero, maxRaw);
  form_.Text8.SetText(core::NumberText(unlimited));
  if (unlimited < 0) {
    form_.Hist1Min.SetText("0");
  } else {
    const double top = core::StrictNumericValue(form_.Hist1Max.Text());
    form_.Hist1Min.SetText(core::NumberText(MinimumBelow(flowZero, top)));
  }
}

void SerialFormActions::Hist1Max_Change() { form_.Hist1Max_Leak.SetText(form_.Hist1Max.Text()); }

void SerialFormActions::Text3_Change() {
  form_.FlowZero_Leak.SetText(form_.Text3.Text());
  form_.FlowZero_Leak2.SetText(form_.Text3.Text());
}

}  // namespace scaling
