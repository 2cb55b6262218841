#pragma once

#include "core/button.h"
#include "core/check_box.h"
#include "core/label.h"
#include "core/progress_bar.h"
#include "core/table_box.h"
#include "core/text_box.h"
#include "core/window.h"

namespace history {

// TestHistory, the "Test History" window: every indexed test in one table, with filters, the
// rows above the leak limit marked, and the ways on to the chart, the report, a spreadsheet
// and the control chart. While the index is brought up to date the progress bar and its
// Cancel button show.
class TestHistoryWindow : public core::Window {
 public:
  TestHistoryWindow();

  static constexpr const char* kTitle = "Test History";

  // Filters: dates as yyyy-mm-dd (empty: no bound), part number and test series as typed
  // (empty: any).
  core::TextBox DateFrom{"DateFrom"};
  core::TextBox DateTo{"DateTo"};
  core::TextBox PartNumber{"PartNumber"};
  core::TextBox TestSeries{"TestSeries"};
  core::CheckBox AboveLimitOnly{"AboveLimitOnly", "Above Leak Limit Only", 0};
  // Shown only where a plant database is set: the whole plant's tests instead of this station's.
  core::CheckBox WholePlant{"WholePlant", "Whole Plant", 0};

  core::TableBox Tests;
  core::Label Summary{"Summary", ""};

  core::ProgressBar ScanProgress{"ScanProgress"};
  core::Button CancelScan{"CancelScan", "Cancel"};

  core::Button Refresh{"Refresh", "&Refresh"};
  core::Button GraphButton{"GraphButton", "&Graph"};
  core::Button PreviewButton{"PreviewButton", "Pre&view"};
  core::Button PrintButton{"PrintButton", "&Print"};
  core::Button ExportButton{"ExportButton", "&Export..."};
  core::Button ControlChartButton{"ControlChartButton", "&Control Chart"};
  core::Button CloseButton{"CloseButton", "Close"};
};

}  // namespace history
