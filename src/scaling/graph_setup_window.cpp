#include "scaling/graph_setup_window.h"

namespace scaling {

GraphSetup::GraphSetup() : Window("GraphSetup", "Trend Recorder Scaling") {
  RegisterAll(HistMaxValue, FlowZeroYaxisValue, HistMinValue, HistPaperLength, SecPerDiv,
              TimeIncrement, DivisionsDisplayed, TotalTimeDisplayed, ScreenClearCountMax,
              FlowScaleFact, FlowZero, LeakLimitCheckBox, Rescale, Command1, HistMaxLabel,
              FlowZeroYaxisLabel, HistMinLabel, PaperLengthLabel, SecPerDivLabel, DivisionsLabel,
              TotalTimeLabel, ClearCountLabel, FlowScaleFactLabel, FlowZeroLabel);
  HistMaxValue.SetToolTip("Chart maximum value");
  FlowZeroYaxisValue.SetToolTip("Chart value of the 0 % flow line (flow zero plus bias)");
  HistMinValue.SetToolTip("Chart minimum value");
  HistPaperLength.SetToolTip("Total Length of Virtual Chart - Only 770.5 Visible");
  SecPerDiv.SetToolTip("Number of seconds to traverse 1 X division");
  TimeIncrement.SetToolTip("Changes the number of seconds per division");
  DivisionsDisplayed.SetToolTip("Total number of visible X divisions; 100 divisions in total");
  TotalTimeDisplayed.SetToolTip("Total time expired for traversing visible section of chart");
  ScreenClearCountMax.SetToolTip(
      "When chart is in triggering mode, number of plots before chart will be cleared");
  FlowScaleFact.SetToolTip("Refers to data from KM4400");
  FlowZero.SetToolTip("Refers to data from KM4400");
  Rescale.SetToolTip("Click to manually rescale chart - effective when used with continuous trend ");
}

}  // namespace scaling
