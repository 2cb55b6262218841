#pragma once

#include <functional>
#include <string>

#include "acquisition/live_packet.h"
#include "acquisition/setup_window.h"
#include "core/text_box.h"
#include "scaling/chart_scale.h"
#include "scaling/graph_setup_window.h"
#include "scaling/scale_state.h"
#include "scaling/serial_form.h"
#include "scaling/serial_form_actions.h"
#include "scaling/time_scale.h"

namespace scaling {

// What the flow calibration reaches outside scaling.
struct FlowCalibrationLinks {
  core::TextBox& plotFooter;                    // LeakMainForm.PlotFooter
  std::function<std::string()> buildTestHeader;  // the test header line
  std::function<void()> setChartScale;           // applies HistMaxValue/HistMinValue to the chart
};

// CalibrateData: the time scale at the start of a test, the instrument's scaling at the start
// of the read phase, and the footer on every packet.
class FlowCalibration {
 public:
  FlowCalibration(acquisition::LivePacket& packet, const acquisition::KM4400SetUp& setup,
                  GraphSetup& graphSetup, SerialForm& serialForm, ScaleState& state,
                  TimeScale& timeScale, ChartScale& chartScale, SerialFormActions& serialActions,
                  FlowCalibrationLinks links);

  void CalibrateData();

 private:
  // Ready followed by zero time or fill: the time scale that fits the test on the chart.
  void StartTest();
  // Stabilisation followed by read: the instrument's scaling, applied to the chart.
  void StartReadPhase();
  void WriteFooter();

  acquisition::LivePacket& packet_;
  const acquisition::KM4400SetUp& setup_;
  GraphSetup& graphSetup_;
  SerialForm& serialForm_;
  ScaleState& state_;
  TimeScale& timeScale_;
  ChartScale& chartScale_;
  SerialFormActions& serialActions_;
  FlowCalibrationLinks links_;
};

}  // namespace scaling
