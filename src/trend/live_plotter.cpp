#include "trend/live_plotter.h"

#include <string>

#include "core/numbers.h"
#include "core/step_failure.h"

namespace trend {
namespace {

constexpr double kSecondsPerDay = 24 * 3600.0;

double ZeroTime(const acquisition::LivePacket& packet) {
  return core::StrictNumericValue(packet.ZeroTime);
}

// The zero time is read only for a "Z" packet, the one status whose answer depends on it.
bool InTest(const acquisition::LivePacket& packet) {
  const std::string& status = packet.TestStatus;
  if (status == "S" || status == "R" || status == "F") return true;
  return status == "Z" && ZeroTime(packet) > 0;
}

// Auto mode at the first packet of a new test: the chart restarts at the origin.
bool AtRestart(const LivePlotterLinks& links, const acquisition::LivePacket& packet,
               const PlotState& state) {
  const std::string& status = packet.TestStatus;
  return links.automatic.Checked() && (status == "Z" || status == "F") &&
         state.PrevTestStatus == "Y";
}

void StorePoint(ChartMemory& memory, std::int16_t x, std::int16_t y, const std::string& status) {
  auto index = static_cast<std::size_t>(memory.ChartIndex);
  // The memory is sized at start-up; one that was never sized must not be written past.
  if (memory.ChartIndex < 0 || index >= memory.ChartX.size() || index >= memory.ChartY.size() ||
      index >= memory.ChartStatus.size()) {
    throw core::StepFailure("chart memory index out of range");
  }
  memory.ChartX[index] = x;
  memory.ChartY[index] = y;
  memory.ChartStatus[index] = status;
  memory.ChartIndex = static_cast<std::int16_t>(memory.ChartIndex + 1);
  if (memory.ChartIndex >= ChartMemory::kUsedEntries) {
    memory.ChartIndex = 0;
    memory.ChartCount = ChartMemory::kUsedEntries;
    memory.ChartWrapped = true;
  }
  if (!memory.ChartWrapped) memory.ChartCount = memory.ChartIndex;
}

void UpdateRealTime(const core::Clock& clock, float& stamp, core::TextBox& realTimeBox) {
  auto now = static_cast<float>(clock.SecondsSinceMidnight());
  double elapsed = static_cast<double>(now - stamp);
  // The clock restarts at midnight; a test running across it keeps counting up.
  if (elapsed < 0) elapsed += kSecondsPerDay;
  realTimeBox.SetText(core::FixedText(elapsed + core::NumericValue(realTimeBox.Text()), 1));
  stamp = now;
}

// L / M of full scale between the 0 % line (a sixth of the height up) and the top edge.
float LeakLimitLevel(const acquisition::KM4400SetUp& setup, const ChartFrame& frame) {
  double leakLimit = core::NumericValue(setup.LeakLimit.Text());
  double fullScale = core::NumericValue(setup.MaximumFlow.Text());
  double height = core::CheckedInt16(std::int64_t{frame.ChartYTop} - frame.ChartYBottom);
  return static_cast<float>(core::Divide(5.0 / 6.0 * leakLimit, fullScale) * height +
                            (height / 6 + frame.ChartYBottom));
}

}  // namespace

LivePlotter::LivePlotter(const acquisition::LivePacket& packet,
                         const acquisition::KM4400SetUp& setup,
                         const scaling::GraphSetup& graphSetup, scaling::SerialForm& serialForm,
                         const scaling::ScaleState& scale, PlotState& state, ChartMemory& memory,
                         const ChartFrame& frame, core::DrawingSurface& surface,
                         const core::Clock& clock, const PlotColours& colours,
                         LivePlotterLinks links)
    : packet_(packet),
      setup_(setup),
      graphSetup_(graphSetup),
      serialForm_(serialForm),
      scale_(scale),
      state_(state),
      memory_(memory),
      frame_(frame),
      surface_(surface),
      clock_(clock),
      colours_(colours),
      links_(std::move(links)) {}

void LivePlotter::PlotHist(std::int16_t& y) {
  if (state_.ChartPosition > 769) state_.ChartPosition = 0;
  if (state_.ChartPosition > 0) links_.positionBox.SetText(std::to_string(state_.ChartPosition));

  if (state_.SkipCounter > scale_.PacketSkip) {
    state_.SkipCounter = 0;
    bool triggered = links_.singleTest.Checked() || links_.automatic.Checked();
    if (links_.continuous.Checked() || (triggered && InTest(packet_))) {
      DrawChartSegment(state_.ChartPosition, y, state_.PlotIndex);
      StorePoint(memory_, state_.ChartPosition, y, packet_.TestStatus);
      state_.ChartPosition =
          core::CheckedInt16(std::int64_t{state_.ChartPosition} + scale_.TimeMultiplier);
      UpdateRealTime(clock_, state_.RealTimeStamp, links_.realTimeBox);
    }
  }
  state_.SkipCounter = core::CheckedInt16(std::int64_t{state_.SkipCounter} + 1);

  if (links_.automatic.Checked() && state_.PrevTestStatus == "R" && packet_.TestStatus == "Y")
    links_.save();

  if (AtRestart(links_, packet_, state_)) {
    DrawChartSegment(state_.ChartPosition, y, state_.PlotIndex);
    state_.PrevTestStatus = packet_.TestStatus;
    links_.resetChartPosition();
    links_.resetTime();
    links_.startStop();
  } else {
    state_.PrevTestStatus = packet_.TestStatus;
  }
}

void LivePlotter::DrawChartSegment(std::int16_t& x, std::int16_t& y, std::int32_t colourIndex) {
  if (state_.GraphingStoredFile) {
    state_.TempCompOffset = state_.StoredTempCompOffset;
  } else {
    state_.TempCompOffset = CalcTempCompOffset();
    serialForm_.Temperature.SetText(std::to_string(state_.TempCompOffset));
  }
  std::int16_t yc = core::CheckedInt16(std::int64_t{y} + state_.TempCompOffset);
  LastPoint& last = state_.Last;

  if (AtRestart(links_, packet_, state_)) {
    x = 0, y = 0, yc = 0;
    last = LastPoint{};
    surface_.SetForeColor(colours_.PlotColour(colourIndex));
    surface_.Line(x, y, last.LastX, last.LastY);
    if (ZeroTime(packet_) != 0) {
      surface_.SetForeColor(colours_.PlotColour(colourIndex + 1));
      surface_.Line(x, 0, last.LastX, last.LastYComp);
    }
  }
  if (last.LastX < x) {
    surface_.SetForeColor(colours_.PlotColour(colourIndex));
    surface_.Line(x, y, last.LastX, last.LastY);
    if (packet_.TestStatus == "R" && ZeroTime(packet_) != 0) {
      surface_.SetForeColor(colours_.PlotColour(colourIndex + 1));
      surface_.Line(x, yc, last.LastX, last.LastYComp);
    }
    if (graphSetup_.LeakLimitCheckBox.Value() == 1) {
      surface_.SetForeColor(colours_.PlotColour(colourIndex + 2));
      float level = LeakLimitLevel(setup_, frame_);
      surface_.Line(0, level, frame_.ChartXMax, level);
    }
  }
  if (x == frame_.ChartXMax - 1 && links_.clearOnRollover.Checked()) surface_.Cls();
  last = LastPoint{x, y, yc};
}

std::int32_t LivePlotter::CalcTempCompOffset() {
  double zeroTime = ZeroTime(packet_);
  const std::string& status = packet_.TestStatus;
  const std::string& previous = state_.PrevTestStatus;
  if (zeroTime > 0 && previous == "Y" && status == "Z") {
    state_.ZeroStartFlowCount = core::RoundToInt32(core::StrictNumericValue(packet_.FlowRateCount));
  } else if (zeroTime > 0 && previous == "Z" && status == "F") {
    state_.ZeroEndFlowCount = core::RoundToInt32(core::StrictNumericValue(packet_.FlowRateCount));
    double factor = core::StrictNumericValue(packet_.TCFactor);
    double drift = static_cast<double>(state_.ZeroStartFlowCount) - state_.ZeroEndFlowCount;
    state_.LiveTempCompOffset = core::RoundToInt32(factor * drift);
    serialForm_.InitialZeroCount.SetText(std::to_string(state_.ZeroStartFlowCount));
    serialForm_.FinalZeroCount.SetText(std::to_string(state_.ZeroEndFlowCount));
    serialForm_.TemperatureFactor.SetText(packet_.TCFactor);
  } else if (zeroTime == 0) {
    state_.LiveTempCompOffset = 0;
  }
  return state_.LiveTempCompOffset;
}

}  // namespace trend
