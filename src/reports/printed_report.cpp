#include "reports/printed_report.h"

namespace reports {

void PrintedReport::PrintReport() {
  if (!ReportDrawer::AnySelected(selected_)) {
    dialogs_.MessageBox(kNoFileSelected);
    return;
  }
  core::PrintOutcome started = printer_.StartDoc(ReportDrawer::LastSelected(selected_));
  if (started) {
    int drawn = drawer_.Draw(printer_.Page(), nullptr);
    core::PrintOutcome ended = printer_.EndDoc();
    if (ended) {
      // A page without any of the files (none could be read) leaves them selected.
      if (drawn > 0) selected_.fill({});
      notice_.SetText("Report " + ended.text + ".");
      return;
    }
    started = ended;
  }
  const char* what = started.kind == core::PrintOutcome::Kind::Cancelled
                         ? "The report was not printed: "
                         : "The report could not be printed: ";
  dialogs_.MessageBox(what + started.text + ". The selected files are kept.");
}

}  // namespace reports
