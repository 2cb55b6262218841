#include "history/test_history_window.h"

#include "history/history_rows.h"

namespace history {

TestHistoryWindow::TestHistoryWindow()
    : core::Window("TestHistory", kTitle), Tests("Tests", HeadingsOf(Columns(false))) {
  CancelScan.SetVisible(false);
  WholePlant.SetVisible(false);
  RegisterAll(DateFrom, DateTo, PartNumber, TestSeries, AboveLimitOnly, WholePlant, Tests, Summary,
              ScanProgress, CancelScan, Refresh, GraphButton, PreviewButton, PrintButton,
              ExportButton, ControlChartButton, CloseButton);
}

}  // namespace history
