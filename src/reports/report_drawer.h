#pragma once

#include <cstdint>
#include <string>

#include "core/platform/dialogs.h"
#include "core/platform/drawing_surface.h"
#include "records/selected_files.h"
#include "records/stored_test_values.h"
#include "reports/parameter_block.h"
#include "reports/report_reader.h"
#include "reports/report_style.h"
#include "reports/report_tables.h"
#include "scaling/graph_setup_window.h"
#include "trend/chart_frame.h"
#include "trend/plot_colours.h"

namespace reports {

// The chart values of the file being drawn, as its line 2 gives them.
struct ReportLimits {
  std::int16_t yTop = 0;     // chart maximum
  std::int16_t yBottom = 0;  // chart minimum
  std::int16_t yZero = 0;    // flow zero Y value
};

// What a report draws: the selected files one after the other on one surface, each read
// (ReadTestFile), its axes (DrawAxes, from the first file drawn only), its curves (DrawTrace)
// and its caption line, then the last file's header and parameter block (DrawFooter). The
// style makes it the preview or the printed report; each keeps its own colour counter.
class ReportDrawer {
 public:
  static constexpr std::int16_t kXMax = 770;  // ChartXMax, PrintXMax

  ReportDrawer(ReportStyle style, const records::SelectedFiles& selected, ReportReader& reader,
               const records::StoredTestValues& stored, const ParameterBlock& block,
               const trend::PlotColours& colours, const scaling::GraphSetup& graphSetup,
               const std::int32_t& storedTempCompOffset, core::Dialogs& dialogs)
      : style_(style),
        selected_(selected),
        reader_(reader),
        stored_(stored),
        block_(block),
        colours_(colours),
        graphSetup_(graphSetup),
        offset_(storedTempCompOffset),
        dialogs_(dialogs) {}

  // Whether any entry of the selection names a file.
  static bool AnySelected(const records::SelectedFiles& selected);
  // The last entry that names a file; empty text when there is none.
  static std::string LastSelected(const records::SelectedFiles& selected);

  // Draws the report of every selected file; `frame`, when given, takes each file's limits
  // (the preview's ChartXMax, ChartYTop and ChartYBottom). Returns the files drawn.
  int Draw(core::DrawingSurface& surface, trend::ChartFrame* frame);
  std::int32_t PlotNumber() const { return plotNumber_; }

 private:
  void DrawAxes(core::DrawingSurface& s, std::int16_t xMax, ReportLimits chart);
  void DrawFlowTicks(core::DrawingSurface& s, float m, std::int16_t yTop, std::int16_t yZero);
  void DrawTimeTicks(core::DrawingSurface& s, std::int16_t xMax, float a, std::int16_t yZero);
  void DrawTrace(core::DrawingSurface& s, std::int16_t xMax, const ReportLimits& chart);
  void DrawCaption(core::DrawingSurface& s, std::size_t k, std::int16_t xMax,
                   const ReportLimits& chart);
  void DrawFooter(core::DrawingSurface& s, std::int16_t xMax, const ReportLimits& chart);

  ReportStyle style_;
  const records::SelectedFiles& selected_;
  ReportReader& reader_;
  const records::StoredTestValues& stored_;
  const ParameterBlock& block_;
  const trend::PlotColours& colours_;
  const scaling::GraphSetup& graphSetup_;
  const std::int32_t& offset_;
  core::Dialogs& dialogs_;
  ReportTables tables_;
  float secPerDiv_ = 0;          // ReportSecPerDiv
  std::int32_t plotNumber_ = 0;  // PreviewPlotNumber or PrintPlotNumber, kept for the run
  bool axesDrawn_ = false;       // PreviewAxesDrawn or PrintAxesDrawn
};

}  // namespace reports
