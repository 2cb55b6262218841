#include "history/test_history_window.h"

namespace history {

TestHistoryWindow::TestHistoryWindow()
    : core::Window("TestHistory", kTitle),
      Tests("Tests", {"File", "Date", "Time", "Part #", "Test Series", "Set Pressure", "Cal Leak",
                      "Full Scale", "Leak Limit", "Read Highest", "Read Last", "Above Limit",
                      "Data Lines", "Folder", "Remark"}) {
  CancelScan.SetVisible(false);
  WholePlant.SetVisible(false);
  RegisterAll(DateFrom, DateTo, PartNumber, TestSeries, AboveLimitOnly, WholePlant, Tests,
              Summary, ScanProgress, CancelScan, Refresh, GraphButton, PreviewButton, PrintButton,
              ExportButton, ControlChartButton, CloseButton);
}

}  // namespace history
