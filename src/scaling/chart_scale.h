#pragma once

#include <cstdint>

#include "acquisition/live_packet.h"
#include "acquisition/setup_window.h"
#include "core/platform/dialogs.h"
#include "scaling/graph_setup_window.h"
#include "scaling/scale_state.h"
#include "scaling/serial_form.h"
#include "scaling/time_scale.h"

namespace scaling {

// The -20 % line before it is limited: 20 % of the span from `flowZero` to `top` below the zero.
double MinimumBelow(double flowZero, double top);

// The chart scale computations: full-scale count, bias, chart limits, leak-limit count.
class ChartScale {
 public:
  ChartScale(const acquisition::KM4400SetUp& setup, GraphSetup& graphSetup, SerialForm& serialForm,
             const acquisition::LivePacket& packet, ScaleState& state,
             const std::int32_t& tempCompOffset, core::Dialogs& dialogs, TimeScale& timeScale);

  std::int32_t CalcMaxRawFlowCount() const;
  std::int32_t CalcChartBias() const;
  void CalcChartLimits();
  void UpdateScaling();
  std::int32_t CalcLeakLimitCount() const;

 private:
  // MF x 10 x FSF / 20: the full-scale flow in raw counts above the flow zero.
  double FullScaleSpan() const;
  // FZ, the flow zero of the scaling window.
  double FlowZero() const;

  const acquisition::KM4400SetUp& setup_;
  GraphSetup& graphSetup_;
  SerialForm& serialForm_;
  const acquisition::LivePacket& packet_;
  ScaleState& state_;
  const std::int32_t& tempCompOffset_;
  core::Dialogs& dialogs_;
  TimeScale& timeScale_;
};

}  // namespace scaling
