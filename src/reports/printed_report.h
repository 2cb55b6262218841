#pragma once

#include <functional>

#include "core/platform/dialogs.h"
#include "core/platform/printer.h"
#include "core/text_box.h"
#include "records/selected_files.h"
#include "reports/report_drawer.h"

namespace reports {

// Print_Click and cmdPrint_Click: the report of the selected files on one printer page. The
// selection is emptied once the page has gone; when nothing was printed (a cancelled print
// dialog, a printer that refuses the job) it is kept and a message says why.
class PrintedReport {
 public:
  static constexpr const char* kNoFileSelected =
      "No File Selected, File Must Be Loaded Before Printing";

  PrintedReport(ReportDrawer& drawer, records::SelectedFiles& selected, core::Printer& printer,
                core::Dialogs& dialogs, core::TextBox& notice)
      : drawer_(drawer),
        selected_(selected),
        printer_(printer),
        dialogs_(dialogs),
        notice_(notice) {}

  void Print_Click() { PrintReport(); }
  void PrintReport();

 private:
  ReportDrawer& drawer_;
  records::SelectedFiles& selected_;
  core::Printer& printer_;
  core::Dialogs& dialogs_;
  core::TextBox& notice_;
};

}  // namespace reports
