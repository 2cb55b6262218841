#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/list_box.h"
#include "core/platform/dialogs.h"
#include "core/platform/file_system.h"
#include "core/text_box.h"
#include "history/control_chart_actions.h"
#include "history/control_chart_window.h"
#include "history/history_rows.h"
#include "history/test_history.h"
#include "history/test_history_window.h"
#include "records/selected_files.h"

namespace history {

// The other windows' steps the history hands its tests on to.
struct HistoryLinks {
  records::SelectedFiles& selected;  // what graphing and the reports take
  core::ListBox& chosen;             // LoadForm.List1: graphing draws as many files as it names
  std::function<void()> graph;       // Graph_Click
  std::function<void()> preview;     // PrintPreview_Click
  std::function<void()> print;       // Print_Click
  core::TextBox& notice;             // LeakMainForm.Notice
};

// The "Test History" window's behaviour: bringing the index up to date when the window is
// shown, the filters and the sort, and handing the chosen tests to graphing, the report, a
// spreadsheet file and the control chart.
class TestHistoryActions {
 public:
  static constexpr int kFilesPerStep = 100;

  TestHistoryActions(TestHistoryWindow& window, ControlChartWindow& chart, TestHistory& history,
                     core::Dialogs& dialogs, core::FileSystem& files, HistoryLinks links);

  // "&Test History": shows the window and starts bringing the index up to date.
  void Show_Click();
  // Reads the station's plant database settings from `folder` and, when there are any,
  // starts sending; what is wrong in the file goes to the notice line.
  void StartPlant(const std::string& folder);
  // On the program's tick: the plant database's notice and the plant-wide rows asked for.
  void Poll();

  // A test data file has just been saved: into the index at once, and into the table when it
  // shows by the next background step, so the save is not held up by the table. Returns empty
  // text, or why the index could not take it.
  std::string Recorded(const std::string& path, const std::string& contents);
  // One step of the work between events (the index update, the table after a save); false
  // when none is left.
  bool BackgroundStep();
  bool HasBackgroundWork() const;
  void CancelScan_Click();
  // Reads the index again and shows it through the filters.
  void Reload();

  void Sort(int column);
  void Graph_Click();
  void Preview_Click();
  void Print_Click();
  void Export_Click();
  void ControlChart_Click();

  // The rows shown, in the order shown.
  const std::vector<const TestIndexRow*>& Shown() const { return shown_; }

 private:
  void Refill();
  std::optional<HistoryFilter> ReadFilter(std::string& problem) const;
  void FinishScan(bool cancelled);
  const TestIndexRow* ShownRow(int row) const;
  std::vector<const TestIndexRow*> ChosenRows() const;
  // Puts the paths where graphing and the reports take them; false (with a message) for none.
  bool Choose(const std::vector<const TestIndexRow*>& rows, const char* forWhat);
  void GraphRows(const std::vector<const TestIndexRow*>& rows);
  void ShowControlChart(double partNumber);
  void GraphPoint(const ChartPoint& point);
  void WholePlant_Click();
  // Tests of other stations lie on their own machines: named in a message, none is handed on.
  bool OwnTests(const std::vector<const TestIndexRow*>& rows) const;

  TestHistoryWindow& window_;
  TestHistory& history_;
  core::Dialogs& dialogs_;
  core::FileSystem& files_;
  HistoryLinks links_;
  ControlChartActions chartActions_;
  std::vector<TestIndexRow> rows_;
  std::vector<const TestIndexRow*> shown_;
  std::vector<HistoryColumn> columns_;
  HistoryColumn sortColumn_ = HistoryColumn::Tested;
  bool sortAscending_ = true;
  std::uint64_t plantNoticeRevision_ = 0;
  bool refillPending_ = false;
};

}  // namespace history
