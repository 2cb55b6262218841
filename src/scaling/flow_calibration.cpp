#include "scaling/flow_calibration.h"

#include <array>
#include <optional>
#include <string>

#include "core/numbers.h"

namespace scaling {
namespace {

// Total test times in seconds, bounds included, for the codes in kTimeIncrementCodes order.
struct TestTimeRange {
  double low;
  double high;
};
constexpr std::array<TestTimeRange, kTimeIncrementCodes.size()> kTestTimeRanges{
    {{385, 770}, {155, 384}, {78, 154}, {39, 77}, {16, 38}, {10, 15}, {0, 9}}};

// The code whose range holds `seconds`; none between or outside the ranges.
std::optional<TimeIncrementCode> CodeForTestTime(double seconds) {
  for (std::size_t i = 0; i < kTestTimeRanges.size(); ++i) {
    if (seconds >= kTestTimeRanges[i].low && seconds <= kTestTimeRanges[i].high) {
      return kTimeIncrementCodes[i];
    }
  }
  return std::nullopt;
}

constexpr double kTenthsTimeBase = 2;
constexpr double kZeroFromStabilisation = 2;
constexpr double kCalibratedZero = 1;

}  // namespace

FlowCalibration::FlowCalibration(acquisition::LivePacket& packet,
                                 const acquisition::KM4400SetUp& setup, GraphSetup& graphSetup,
                                 SerialForm& serialForm, ScaleState& state, TimeScale& timeScale,
                                 ChartScale& chartScale, SerialFormActions& serialActions,
                                 FlowCalibrationLinks links)
    : packet_(packet),
      setup_(setup),
      graphSetup_(graphSetup),
      serialForm_(serialForm),
      state_(state),
      timeScale_(timeScale),
      chartScale_(chartScale),
      serialActions_(serialActions),
      links_(std::move(links)) {}

// A failing step ends the whole call, so CalPrevTestStatus keeps its old value and the next
// packet sees the same transition again.
void FlowCalibration::CalibrateData() {
  const std::string status = packet_.TestStatus;
  const std::string& previous = state_.CalPrevTestStatus;
  if ((status == "Z" || status == "F") && previous == "Y") StartTest();
  if (previous == "S" && status == "R") StartReadPhase();
  WriteFooter();
  state_.CalPrevTestStatus = status;
}

void FlowCalibration::StartTest() {
  if (core::StrictNumericValue(packet_.TimeBaseCode) == kTenthsTimeBase) {
    packet_.TotalTimeCount = core::NumberText(core::NumericValue(packet_.TotalTimeCount) / 10);
  }
  if (const auto code = CodeForTestTime(core::NumericValue(packet_.TotalTimeCount))) {
    timeScale_.Apply(*code);
  }
  timeScale_.RefreshTimeScale(1, false);
}

void FlowCalibration::StartReadPhase() {
  graphSetup_.FlowScaleFact.SetText(packet_.FlowScaleCount);
  const double zeroSelect = core::StrictNumericValue(packet_.ZeroSelect);
  if (zeroSelect == kZeroFromStabilisation) {
    graphSetup_.FlowZero.SetText(packet_.FlowRateCount);
  } else if (zeroSelect == kCalibratedZero) {
    graphSetup_.FlowZero.SetText(packet_.FlowZero);
  }
  chartScale_.UpdateScaling();
  serialForm_.LeakLimitCountCalculation.SetText(std::to_string(chartScale_.CalcLeakLimitCount()));
  serialForm_.MaximumFlowSetUp.SetText(setup_.MaximumFlow.Text());
  serialForm_.LeakLimitSetUp.SetText(setup_.LeakLimit.Text());
  WriteFooter();
  links_.setChartScale();
  serialActions_.Command2_Click();
}

void FlowCalibration::WriteFooter() { links_.plotFooter.SetText(links_.buildTestHeader()); }

}  // namespace scaling
