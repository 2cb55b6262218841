#include "scaling/chart_scale.h"

#include <string>

#include "core/numbers.h"

namespace scaling {
namespace {

constexpr std::int64_t kChartCeiling = 32767;
constexpr const char* kCeilingMessage = "At maximum Y value. Y Axis Scaling Will Be Inaccurate";

}  // namespace

double MinimumBelow(double flowZero, double top) { return flowZero - (top - flowZero) * 0.2; }

ChartScale::ChartScale(const acquisition::KM4400SetUp& setup, GraphSetup& graphSetup,
                       SerialForm& serialForm, const acquisition::LivePacket& packet,
                       ScaleState& state, const std::int32_t& tempCompOffset,
                       core::Dialogs& dialogs, TimeScale& timeScale)
    : setup_(setup),
      graphSetup_(graphSetup),
      serialForm_(serialForm),
      packet_(packet),
      state_(state),
      tempCompOffset_(tempCompOffset),
      dialogs_(dialogs),
      timeScale_(timeScale) {}

double ChartScale::FullScaleSpan() const {
  return core::NumericValue(setup_.MaximumFlow.Text()) * 10 *
         core::NumericValue(graphSetup_.FlowScaleFact.Text()) / 20;
}

double ChartScale::FlowZero() const { return core::NumericValue(graphSetup_.FlowZero.Text()); }

std::int32_t ChartScale::CalcMaxRawFlowCount() const {
  switch (setup_.ZeroShift.Value()) {
    case 0:
      return core::RoundToInt32(FullScaleSpan() + FlowZero() + tempCompOffset_);
    case 1:  // the zero shift leaves the flow zero out of the full-scale count
      return core::RoundToInt32(FullScaleSpan() + tempCompOffset_);
    default:
      return 0;
  }
}

std::int32_t ChartScale::CalcChartBias() const {
  const std::int32_t v = core::RoundToInt32(FlowZero() - (FullScaleSpan() + tempCompOffset_) * 0.2);
  if (v >= 0) return 0;
  // Negating the most negative 32-bit value overflows, so it goes through the checked rounding.
  return core::RoundToInt32(-static_cast<double>(v));
}

void ChartScale::CalcChartLimits() {
  const std::int32_t a = CalcMaxRawFlowCount();
  const std::int32_t b = CalcChartBias();
  const std::int64_t top = static_cast<std::int64_t>(a) + b;
  // Both limits are computed before either is stored, so a failure keeps the previous pair.
  const std::int16_t chartMax = core::CheckedInt16(top <= kChartCeiling ? top : kChartCeiling);
  if (top > kChartCeiling) dialogs_.MessageBox(kCeilingMessage);
  const double flowZero = FlowZero();
  const std::int16_t chartMin = MinimumBelow(flowZero, a) < 0
                                    ? std::int16_t{0}
                                    : core::RoundToInt16(MinimumBelow(flowZero, chartMax));
  state_.ChartMax = chartMax;
  state_.ChartMin = chartMin;
}

void ChartScale::UpdateScaling() {
  const std::string& flowScaleCount = packet_.FlowScaleCount;
  if (state_.LastFlowScaleCount.value_or(std::string()) != flowScaleCount) CalcChartLimits();
  state_.LastFlowScaleCount = flowScaleCount;
  graphSetup_.HistMaxValue.SetText(std::to_string(state_.ChartMax));
  graphSetup_.HistMinValue.SetText(std::to_string(state_.ChartMin));
  timeScale_.RefreshTimeScale(1, false);
  graphSetup_.FlowZeroYaxisValue.SetText(core::NumberText(CalcChartBias() + FlowZero()));
  const double uncompensated = FullScaleSpan() + FlowZero();
  serialForm_.UncompensatedMaximumRawFlowCount.SetText(core::NumberText(uncompensated));
  serialForm_.CompensatedMaximumRawFlowCount.SetText(
      core::NumberText(uncompensated + tempCompOffset_));
}

std::int32_t ChartScale::CalcLeakLimitCount() const {
  const double flowZero = core::StrictNumericValue(packet_.FlowZero);
  const double leakLimit = core::StrictNumericValue(packet_.LeakLimit);
  const double maximumFlow = core::NumericValue(setup_.MaximumFlow.Text());
  return core::RoundToInt32(flowZero +
                            core::Divide(leakLimit, maximumFlow) * (state_.ChartMax - flowZero));
}

}  // namespace scaling
