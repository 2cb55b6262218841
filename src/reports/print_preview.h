#pragma once

#include "core/platform/dialogs.h"
#include "core/platform/drawing_surface.h"
#include "records/selected_files.h"
#include "reports/print_draw_form.h"
#include "reports/printed_report.h"
#include "reports/report_drawer.h"
#include "trend/chart_frame.h"

namespace reports {

// The print preview: PrintPreview_Click shows Print_Draw_Form and draws the report of the
// selected files on picEnroll, over whatever earlier previews left there, until "Clear
// Memory". The selection stays as it is.
class PrintPreview {
 public:
  static constexpr const char* kNoFileSelected =
      "No File Selected, File Must Be Loaded Before Print Viewing";

  PrintPreview(Print_Draw_Form& form, core::DrawingSurface& picEnroll, ReportDrawer& drawer,
               records::SelectedFiles& selected, trend::ChartFrame& frame, core::Dialogs& dialogs,
               PrintedReport& printed);

  void PrintPreview_Click();
  void PreviewReport();
  void Command2_Click();  // "Clear Memory"

 private:
  Print_Draw_Form& form_;
  core::DrawingSurface& picEnroll_;
  ReportDrawer& drawer_;
  records::SelectedFiles& selected_;
  trend::ChartFrame& frame_;
  core::Dialogs& dialogs_;
};

}  // namespace reports
