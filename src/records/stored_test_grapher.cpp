#include "records/stored_test_grapher.h"

#include <algorithm>

#include "core/numbers.h"
#include "core/step_failure.h"

namespace records {
namespace {

// 2, 3, ... 9, then 2 again.
std::int32_t NextPlotNumber(std::int32_t plot) {
  if (plot == 0) return 2;
  return plot > 8 ? 2 : plot + 1;
}

// GraphingStoredFile holds from the start of a graphing to its end, however it ends.
class GraphingScope {
 public:
  GraphingScope(bool& graphing, bool& ending, trend::PlotState& plot)
      : graphing_(graphing), plot_(plot) {
    graphing_ = true;
    ending = false;
    plot_.GraphingStoredFile = true;
  }
  ~GraphingScope() {
    graphing_ = false;
    plot_.GraphingStoredFile = false;
  }
  GraphingScope(const GraphingScope&) = delete;
  GraphingScope& operator=(const GraphingScope&) = delete;

 private:
  bool& graphing_;
  trend::PlotState& plot_;
};

}  // namespace

StoredTestGrapher::StoredTestGrapher(const SelectedFiles& selected, acquisition::KM4400SetUp& setup,
                                     scaling::GraphSetup& graphSetup,
                                     acquisition::LivePacket& packet, scaling::ScaleState& scale,
                                     trend::ChartFrame& frame, trend::PlotState& plot,
                                     trend::ChartMemory& memory, StoredTestValues& stored,
                                     core::DrawingSurface& surface, core::Dialogs& dialogs,
                                     const core::FileSystem& files, GrapherLinks links)
    : selected_(selected),
      setup_(setup),
      graphSetup_(graphSetup),
      packet_(packet),
      scale_(scale),
      frame_(frame),
      plot_(plot),
      memory_(memory),
      stored_(stored),
      surface_(surface),
      dialogs_(dialogs),
      files_(files),
      links_(std::move(links)) {}

void StoredTestGrapher::EndGraphing() {
  if (!graphing_) return;
  ending_ = true;
  plot_.GraphingStoredFile = false;
}

void StoredTestGrapher::Graph_Click() {
  // The pending events of a graphing may choose "&Graph File" again: that one does nothing.
  if (graphing_) return;
  GraphingScope scope(graphing_, ending_, plot_);
  if (links_.chosen.ListCount() == 0) {
    dialogs_.MessageBox(kNoFileSelected);
    return;
  }
  links_.resetChartPosition();
  links_.clearScreen();

  auto count =
      std::min<std::size_t>(static_cast<std::size_t>(links_.chosen.ListCount()), selected_.size());
  std::int32_t plotNumber = 0;
  for (std::size_t i = 0; i < count; ++i) {
    plotNumber = NextPlotNumber(plotNumber);
    const std::string& path = selected_[i];
    if (path.empty()) {
      dialogs_.MessageBox(kNoFileSelected);
      return;
    }
    std::optional<StoredTestFile> file = Read(path);
    if (!file) continue;
    ShowStoredValues(path, *file);
    if (!DrawDataLines(path, *file, plotNumber)) return;
    if (i + 1 < count) {
      plot_.ChartPosition = 0;
      links_.positionBox.SetText("0");
    }
  }
}

std::optional<StoredTestFile> StoredTestGrapher::Read(const std::string& path) {
  std::string why;
  if (std::optional<std::string> text = files_.ReadFile(path)) {
    try {
      StoredTestFile file = ReadTestFile(*text);
      if (file.data.size() <= memory_.ChartX.size() && file.data.size() <= memory_.ChartY.size())
        return file;
      why = "it has " + std::to_string(file.data.size()) +
            " data lines and the chart memory holds " +
            std::to_string(std::min(memory_.ChartX.size(), memory_.ChartY.size()));
    } catch (const TestFileError& error) {
      why = error.what();
    }
  } else {
    why = "it cannot be opened";
  }
  dialogs_.MessageBox(path + " cannot be graphed: " + why + ".");
  return std::nullopt;
}

void StoredTestGrapher::ShowStoredValues(const std::string& path, const StoredTestFile& file) {
  const StoredTestValues& v = file.values;
  stored_.TakeSetUp(v);
  frame_.ChartYTop = file.scale.chartMax;
  frame_.ChartYBottom = file.scale.chartMin;
  packet_.ZeroTime = core::SingleText(v.ZeroTime);
  plot_.PrevTestStatus = "Y";
  ShowSetUp(v);
  std::string secPerDiv = core::SingleText(file.scale.secPerDiv);
  links_.numberSecPerDiv.SetText(secPerDiv);
  scale_.ChartMax = file.scale.chartMax;
  scale_.ChartMin = file.scale.chartMin;
  graphSetup_.SecPerDiv.SetText(secPerDiv);
  links_.plotFooter.SetText("Graphing File  " + path + ",  " + v.Header);
  links_.writeFlowLabels(core::NumericValue(v.FullScaleFlow));
  setup_.MaximumFlow.SetText(v.FullScaleFlow);
  auto paper = static_cast<float>(core::NumericValue(graphSetup_.HistPaperLength.Text()));
  surface_.Scale(0, file.scale.chartMax, paper, file.scale.chartMin);
}

void StoredTestGrapher::ShowSetUp(const StoredTestValues& v) {
  acquisition::KM4400SetUp& s = setup_;
  const std::pair<core::TextBox*, float> boxes[] = {
      {&s.LeakLimit, v.LeakLimit},      {&s.Version, v.Version},
      {&s.PartNumber, v.PartNumber},    {&s.PressReference, v.PressReference},
      {&s.FlowZero, v.FlowZero},        {&s.TimeBase, v.TimeBase},
      {&s.FillTime, v.FillTime},        {&s.StabTime, v.StabTime},
      {&s.ReadTime, v.ReadTime},        {&s.CalLeak, v.CalLeak},
      {&s.PressureTol, v.PressureTol},  {&s.FlowSlopeLim, v.FlowSlopeLim},
      {&s.FlowNegLimit, v.FlowNegLimit}};
  for (const auto& [box, value] : boxes) box->SetText(core::SingleText(value));
  // The zero-time group belongs to instruments from version 0.40 on with a zero time.
  bool compensated = v.Version * 100.0f >= 40.0f && v.ZeroTime > 0;
  s.SetZeroTimeGroupVisible(compensated);
  if (!compensated) return;
  s.MinFlow.SetText(core::SingleText(v.MinFlow));
  s.MaxSlope.SetText(core::SingleText(v.MaxSlope));
  s.ZeroTime.SetText(core::SingleText(v.ZeroTime));
  s.TCFactor.SetText(core::SingleText(v.TCFactor));
}

// Each data line goes into the chart memory and through the segment drawing, its value held
// to the file's limits. A value outside them goes over as a copy of the limit: the drawing
// may reset what it is handed (a restart in automatic retriggering), and a reset limit would
// flatten the rest of the file onto the chart's zero.
bool StoredTestGrapher::DrawDataLines(const std::string& path, const StoredTestFile& file,
                                      std::int32_t plotNumber) {
  std::int16_t max = file.scale.chartMax;
  std::int16_t min = file.scale.chartMin;
  for (std::size_t k = 0; k < file.data.size(); ++k) {
    links_.pendingEvents();
    if (ending_) return false;
    const DataLine& line = file.data[k];
    std::int16_t& x = memory_.ChartX[k];
    std::int16_t& y = memory_.ChartY[k];
    x = line.x;
    y = line.y;
    plot_.StoredTempCompOffset = line.offset;
    packet_.TestStatus = line.status;
    try {
      if (x < frame_.ChartXMax) {
        std::int16_t limit = y < min ? min : max;
        links_.drawChartSegment(x, min <= y && y <= max ? y : limit, plotNumber);
      }
    } catch (const core::StepFailure& failure) {
      // A line the drawing cannot take (an offset past the 16-bit range, a full scale flow of
      // 0 under the leak-limit line) ends this file, not the graphing.
      dialogs_.MessageBox(path + " cannot be graphed past line " + std::to_string(k + 6) + ": " +
                          failure.what() + ".");
      return true;
    }
    plot_.PrevTestStatus = packet_.TestStatus;
  }
  return true;
}

}  // namespace records
