#pragma once

#include "acquisition/setup_window.h"
#include "scaling/chart_scale.h"
#include "scaling/graph_setup_window.h"
#include "scaling/serial_form.h"

namespace scaling {

// The diagnostics window's actions: its load, the manual calibration and the leak-group copies.
class SerialFormActions {
 public:
  SerialFormActions(SerialForm& form, const acquisition::KM4400SetUp& setup,
                    const GraphSetup& graphSetup, ChartScale& chartScale);

  void Form_Load();
  void Command2_Click();
  void Hist1Max_Change();
  void Text3_Change();

 private:
  SerialForm& form_;
  const acquisition::KM4400SetUp& setup_;
  const GraphSetup& graphSetup_;
  ChartScale& chartScale_;
};

}  // namespace scaling
