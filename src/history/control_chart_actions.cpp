#include "history/control_chart_actions.h"

#include "history/chosen_file.h"
#include "history/history_rows.h"

namespace history {

ControlChartActions::ControlChartActions(ControlChartWindow& window, core::Dialogs& dialogs,
                                         core::FileSystem& files, core::TextBox& notice,
                                         std::function<void(const ChartPoint&)> graphPoint)
    : window_(window), dialogs_(dialogs), files_(files), notice_(notice) {
  window_.OnPointClick([this, graphPoint = std::move(graphPoint)](int index) {
    graphPoint(window_.Chart().points[static_cast<std::size_t>(index)]);
  });
  window_.SavePng.OnClick([this] { SavePicture("png"); });
  window_.SavePdf.OnClick([this] { SavePicture("pdf"); });
  window_.CloseButton.OnClick([this] { window_.Hide(); });
}

void ControlChartActions::Show(double partNumber, const std::vector<const TestIndexRow*>& tests) {
  std::vector<ChartPoint> points;
  std::optional<double> leakLimit;
  std::int64_t newest = 0;
  for (const TestIndexRow* row : tests) {
    if (!row->readHighest) continue;
    points.push_back({row->testedAtMs, *row->readHighest, row->path, row->station});
    if (!leakLimit || row->testedAtMs >= newest) {
      leakLimit = row->leakLimit;
      newest = row->testedAtMs;
    }
  }
  ControlChart chart = BuildControlChart(partNumber, std::move(points), leakLimit);
  window_.Caption.SetCaption("Part #" + ValueText(partNumber) + ": " +
                             std::to_string(chart.points.size()) +
                             " tests, read-phase highest flow");
  std::string limits = "Centre " + ValueText(chart.centre);
  if (chart.upperLimit) limits += "  UCL " + ValueText(*chart.upperLimit);
  if (chart.lowerLimit) limits += "  LCL " + ValueText(*chart.lowerLimit);
  if (chart.leakLimit) limits += "  Leak limit " + ValueText(*chart.leakLimit);
  if (chart.points.empty()) limits = "No test of this part has a read phase to chart.";
  window_.Limits.SetCaption(limits);
  window_.SetChart(std::move(chart));
  window_.Show();
}

void ControlChartActions::SavePicture(const std::string& format) {
  if (!window_.PictureRenderer()) {
    dialogs_.MessageBox("The control chart cannot be saved as a picture here.");
    return;
  }
  std::string suggested =
      ProposedFile(files_, "charts",
                   "Part " + ValueText(window_.Chart().partNumber) + " control chart." + format);
  std::string target =
      dialogs_.InputBox("Save the control chart to this file:", "Save Control Chart", suggested);
  if (target.empty()) return;
  std::string why;
  if (core::FileResult made = MakeFolderOf(files_, target); !made) {
    why = made.message;
  } else {
    why = window_.PictureRenderer()(target, format);
  }
  if (!why.empty()) {
    dialogs_.MessageBox("The control chart could not be saved to " + target + ": " + why + ".");
    return;
  }
  notice_.SetText("Control chart saved as " + target);
}

}  // namespace history
