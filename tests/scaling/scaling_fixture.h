#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "acquisition/live_packet.h"
#include "acquisition/setup_window.h"
#include "core/guard.h"
#include "core/text_box.h"
#include "doubles/fake_clock.h"
#include "doubles/scripted_dialogs.h"
#include "scaling/chart_scale.h"
#include "scaling/flow_calibration.h"
#include "scaling/graph_setup_actions.h"
#include "scaling/graph_setup_window.h"
#include "scaling/scale_state.h"
#include "scaling/serial_form.h"
#include "scaling/serial_form_actions.h"
#include "scaling/time_scale.h"

namespace scaling::testing {

// The scaling subsystem wired as the program wires it, with the outside reached through
// recording links: the main window's boxes, the time labels, the chart memory and chart scale.
// A plain struct, so that table-driven tests can build a fresh one for every row.
struct ScalingRig {
  acquisition::KM4400SetUp setup;
  GraphSetup graphSetup;
  SerialForm serialForm;
  acquisition::LivePacket packet;
  ScaleState state;
  std::int32_t tempCompOffset = 0;
  doubles::ScriptedDialogs dialogs;
  doubles::FakeClock clock;

  core::TextBox numberSecPerDiv{"NumberSecPerDiv"};
  core::TextBox plotFooter{"PlotFooter"};
  std::vector<double> timeLabelCalls;  // seconds per division of each label write
  int reallocations = 0;
  std::vector<std::string> chartScaleMaxima;  // HistMaxValue each time the chart scale was applied

  TimeScale timeScale{graphSetup, state};
  ChartScale chartScale{setup, graphSetup,     serialForm, packet,
                        state, tempCompOffset, dialogs,    timeScale};
  SerialFormActions serialActions{serialForm, setup, graphSetup, chartScale};
  GraphSetupActions graphActions{
      graphSetup,
      state,
      timeScale,
      chartScale,
      {numberSecPerDiv, [this](double s) { timeLabelCalls.push_back(s); },
       [this] { ++reallocations; }}};
  FlowCalibration calibration{
      packet,
      setup,
      graphSetup,
      serialForm,
      state,
      timeScale,
      chartScale,
      serialActions,
      {plotFooter, [this] { return "Footer " + clock.LongTime(); },
       [this] { chartScaleMaxima.push_back(graphSetup.HistMaxValue.Text()); }}};

  // The scaling inputs of the worked examples: MF, FSF, FZ.
  void Scaling(const std::string& maximumFlow, const std::string& flowScale,
               const std::string& flowZero) {
    setup.MaximumFlow.SetText(maximumFlow);
    graphSetup.FlowScaleFact.SetText(flowScale);
    graphSetup.FlowZero.SetText(flowZero);
  }

  // One decoded packet with this status reaches the calibration, guarded as the decoder guards
  // it; returns whether the calibration ran to its end. The clock moves on a second.
  bool Packet(const std::string& status) {
    packet.TestStatus = status;
    const bool completed = core::Guarded([this] { calibration.CalibrateData(); });
    clock.Advance(1);
    return completed;
  }
};

class ScalingTest : public ::testing::Test, public ScalingRig {};

}  // namespace scaling::testing
