#include "history/test_history_actions.h"

#include <algorithm>

#include "core/numbers.h"
#include "history/chosen_file.h"
#include "history/history_csv.h"

namespace history {
namespace {

constexpr const char* kExportTitle = "Export Test History";

}  // namespace

TestHistoryActions::TestHistoryActions(TestHistoryWindow& window, ControlChartWindow& chart,
                                       TestHistory& history, core::Dialogs& dialogs,
                                       core::FileSystem& files, HistoryLinks links)
    : window_(window),
      history_(history),
      dialogs_(dialogs),
      files_(files),
      links_(links),
      chartActions_(chart, dialogs, files, links.notice,
                    [this](const ChartPoint& point) { GraphPoint(point); }),
      columns_(Columns(false)) {
  for (core::TextBox* box :
       {&window_.DateFrom, &window_.DateTo, &window_.PartNumber, &window_.TestSeries}) {
    box->OnChange([this] { Refill(); });
  }
  window_.AboveLimitOnly.OnClick([this] { Refill(); });
  window_.Tests.OnSort([this](int column) { Sort(column); });
  window_.Tests.OnDblClick([this](int row) {
    if (const TestIndexRow* shown = ShownRow(row)) GraphRows({shown});
  });
  window_.WholePlant.OnClick([this] { WholePlant_Click(); });
  window_.Refresh.OnClick([this] { Show_Click(); });
  window_.CancelScan.OnClick([this] { CancelScan_Click(); });
  window_.GraphButton.OnClick([this] { Graph_Click(); });
  window_.PreviewButton.OnClick([this] { Preview_Click(); });
  window_.PrintButton.OnClick([this] { Print_Click(); });
  window_.ExportButton.OnClick([this] { Export_Click(); });
  window_.ControlChartButton.OnClick([this] { ControlChart_Click(); });
  window_.CloseButton.OnClick([this] { window_.Hide(); });
  window_.Tests.SetHeadings(HeadingsOf(columns_));
}

void TestHistoryActions::Show_Click() {
  window_.Show();
  IndexScan* scan = history_.Scan();
  if (!scan) {
    window_.Summary.SetCaption("The test history cannot be opened: " + history_.Problem() + ".");
    return;
  }
  std::vector<std::string> folders = history_.Index()->Folders();
  std::string leakFolder = files_.CurrentDir();
  if (std::find(folders.begin(), folders.end(), leakFolder) == folders.end()) {
    history_.Index()->AddFolder(leakFolder);
    folders.push_back(leakFolder);
  }
  Reload();
  scan->Start(folders);
  // Every file as the index knows it: nothing to wait for.
  if (!scan->Running()) return FinishScan(false);
  window_.ScanProgress.SetProgress(0, scan->Total());
  window_.ScanProgress.SetVisible(true);
  window_.CancelScan.SetVisible(true);
  window_.Summary.SetCaption("Bringing the test history up to date...");
}

std::string TestHistoryActions::Recorded(const std::string& path, const std::string& contents) {
  TestIndexRow row;
  std::string problem = history_.Recorded(path, contents, row);
  if (!problem.empty() || !window_.Visible() || window_.WholePlant.Value() == 1) return problem;
  auto same = std::find_if(rows_.begin(), rows_.end(),
                           [&path](const TestIndexRow& r) { return r.path == path; });
  // The shown rows point into rows_: they are picked again before the table is drawn.
  if (same != rows_.end()) {
    *same = std::move(row);
  } else {
    rows_.push_back(std::move(row));
  }
  shown_.clear();
  refillPending_ = true;
  return problem;
}

bool TestHistoryActions::HasBackgroundWork() const { return refillPending_ || history_.Scanning(); }

bool TestHistoryActions::BackgroundStep() {
  if (refillPending_) {
    refillPending_ = false;
    Refill();
    return HasBackgroundWork();
  }
  if (!history_.Scanning()) return false;
  IndexScan* scan = history_.Scan();
  bool more = scan->Step(kFilesPerStep);
  window_.ScanProgress.SetProgress(scan->Done(), scan->Total());
  if (!more) FinishScan(false);
  return more;
}

void TestHistoryActions::CancelScan_Click() {
  if (!history_.Scanning()) return;
  history_.Scan()->Cancel();
  FinishScan(true);
}

void TestHistoryActions::FinishScan(bool cancelled) {
  window_.ScanProgress.SetVisible(false);
  window_.CancelScan.SetVisible(false);
  history_.WakePlant();
  Reload();
  if (cancelled) {
    window_.Summary.SetCaption(window_.Summary.Caption() +
                               " The update was cancelled: Refresh finishes it.");
  }
}

void TestHistoryActions::Reload() {
  if (window_.WholePlant.Value() == 1 && history_.Plant()) {
    history_.Plant()->RequestPlantRows();
    window_.Summary.SetCaption("Asking the plant database for the whole plant's tests...");
    return;
  }
  TestIndex* index = history_.Index();
  rows_ = index ? index->AllRows() : std::vector<TestIndexRow>{};
  Refill();
}

void TestHistoryActions::WholePlant_Click() {
  columns_ = Columns(window_.WholePlant.Value() == 1);
  window_.Tests.SetHeadings(HeadingsOf(columns_));
  rows_.clear();
  shown_.clear();
  window_.Tests.SetRows({});
  Reload();
}

void TestHistoryActions::StartPlant(const std::string& folder) {
  PlantSettingsRead read = ReadPlantSettingsFile(folder);
  std::string told;
  for (const std::string& message : read.messages) told += (told.empty() ? "" : " ") + message;
  if (read.on && !history_.UsePlant(read.settings)) {
    told += (told.empty() ? "" : " ") +
            ("The plant database is off: the test history cannot be opened: " + history_.Problem() +
             ".");
  }
  window_.WholePlant.SetVisible(history_.Plant() != nullptr);
  if (!told.empty()) links_.notice.SetText(told);
}

void TestHistoryActions::Poll() {
  PlantSender* plant = history_.Plant();
  if (!plant) return;
  PlantStatus status = plant->Status();
  if (status.revision != plantNoticeRevision_) {
    plantNoticeRevision_ = status.revision;
    if (!status.NoticeText().empty()) links_.notice.SetText(status.NoticeText());
  }
  std::optional<PlantRowsAnswer> answer = plant->TakePlantRows();
  if (!answer || window_.WholePlant.Value() != 1) return;
  if (!answer->ok) {
    window_.Summary.SetCaption("The plant database cannot be read: " + answer->error);
    return;
  }
  rows_ = std::move(answer->rows);
  Refill();
}

std::optional<HistoryFilter> TestHistoryActions::ReadFilter(std::string& problem) const {
  HistoryFilter filter;
  auto day = [&problem](const core::TextBox& box, const char* what) -> std::optional<std::int64_t> {
    if (box.Text().find_first_not_of(' ') == std::string::npos) return std::nullopt;
    std::optional<std::int64_t> ms = DayStartMs(box.Text());
    if (!ms) problem = std::string(what) + " \"" + box.Text() + "\" is not a date (yyyy-mm-dd).";
    return ms;
  };
  filter.fromMs = day(window_.DateFrom, "From");
  if (std::optional<std::int64_t> to = day(window_.DateTo, "To")) {
    filter.toMs = *to + 24LL * 3600 * 1000;
  }
  if (!problem.empty()) return std::nullopt;
  if (window_.PartNumber.Text().find_first_not_of(' ') != std::string::npos) {
    filter.partNumber = core::NumericValue(window_.PartNumber.Text());
  }
  filter.testSeries = window_.TestSeries.Text();
  filter.aboveLimitOnly = window_.AboveLimitOnly.Value() == 1;
  return filter;
}

void TestHistoryActions::Refill() {
  refillPending_ = false;
  std::string problem;
  std::optional<HistoryFilter> filter = ReadFilter(problem);
  shown_.clear();
  if (filter) {
    for (const TestIndexRow& row : rows_) {
      if (Matches(row, *filter)) shown_.push_back(&row);
    }
  }
  SortRows(shown_, sortColumn_, sortAscending_);
  std::vector<core::TableBox::Row> table;
  table.reserve(shown_.size());
  std::size_t above = 0;
  for (const TestIndexRow* row : shown_) {
    table.push_back(TableRowOf(*row, columns_));
    above += row->aboveLimit ? 1 : 0;
  }
  window_.Tests.SetRows(std::move(table));
  auto it = std::find(columns_.begin(), columns_.end(), sortColumn_);
  window_.Tests.ShowSort(static_cast<int>(it - columns_.begin()), sortAscending_);
  if (!problem.empty()) {
    window_.Summary.SetCaption(problem);
  } else {
    window_.Summary.SetCaption(std::to_string(shown_.size()) + " of " +
                               std::to_string(rows_.size()) + " tests shown, " +
                               std::to_string(above) + " above the leak limit.");
  }
}

void TestHistoryActions::Sort(int column) {
  if (column < 0 || column >= static_cast<int>(columns_.size())) return;
  HistoryColumn chosen = columns_[static_cast<std::size_t>(column)];
  sortAscending_ = chosen == sortColumn_ ? !sortAscending_ : true;
  sortColumn_ = chosen;
  Refill();
}

// None while the table waits to be drawn again after a save.
const TestIndexRow* TestHistoryActions::ShownRow(int row) const {
  if (row < 0 || row >= static_cast<int>(shown_.size())) return nullptr;
  return shown_[static_cast<std::size_t>(row)];
}

std::vector<const TestIndexRow*> TestHistoryActions::ChosenRows() const {
  std::vector<const TestIndexRow*> rows;
  for (int row : window_.Tests.Selection()) {
    if (const TestIndexRow* shown = ShownRow(row)) rows.push_back(shown);
  }
  return rows;
}

bool TestHistoryActions::OwnTests(const std::vector<const TestIndexRow*>& rows) const {
  std::string others;
  for (const TestIndexRow* row : rows) {
    if (!row->station.empty() && row->station != history_.Station()) {
      others += (others.empty() ? "" : ", ") + row->station + " " + FileNameOf(row->path);
    }
  }
  if (others.empty()) return true;
  dialogs_.MessageBox(
      "Tests of other stations lie on their own machines and cannot be opened here: " + others +
      ".");
  return false;
}

bool TestHistoryActions::Choose(const std::vector<const TestIndexRow*>& rows, const char* forWhat) {
  if (rows.empty()) {
    dialogs_.MessageBox(std::string("Select the tests to ") + forWhat + " in the table first.");
    return false;
  }
  if (!OwnTests(rows)) return false;
  std::size_t count = std::min(rows.size(), links_.selected.size());
  std::vector<std::string> names;
  for (std::size_t i = 0; i < links_.selected.size(); ++i) {
    links_.selected[i] = i < count ? rows[i]->path : std::string();
    if (i < count) names.push_back(FileNameOf(rows[i]->path));
  }
  links_.chosen.SetItems(std::move(names));
  return true;
}

void TestHistoryActions::GraphRows(const std::vector<const TestIndexRow*>& rows) {
  if (Choose(rows, "graph")) links_.graph();
}

void TestHistoryActions::Graph_Click() { GraphRows(ChosenRows()); }

void TestHistoryActions::Preview_Click() {
  if (Choose(ChosenRows(), "preview")) links_.preview();
}

void TestHistoryActions::Print_Click() {
  if (Choose(ChosenRows(), "print")) links_.print();
}

void TestHistoryActions::Export_Click() {
  std::string suggested = ProposedFile(files_, "csv", "test-history.csv");
  std::string target = dialogs_.InputBox(
      "Export the " + std::to_string(shown_.size()) + " tests shown as CSV to this file:",
      kExportTitle, suggested);
  if (target.empty()) return;
  core::FileResult result = MakeFolderOf(files_, target);
  if (result && files_.PathExists(target) &&
      !dialogs_.AskYesNo(FileNameOf(target) + " already exists. Replace it?", kExportTitle)) {
    return;
  }
  if (result) result = files_.WriteFileReplacing(target, HistoryCsv(shown_, columns_));
  if (!result) {
    dialogs_.MessageBox("The test history could not be exported to " + target + ": " +
                        result.message + ".");
    return;
  }
  links_.notice.SetText("Exported " + std::to_string(shown_.size()) + " tests as CSV: " + target);
}

void TestHistoryActions::ControlChart_Click() {
  const std::vector<int>& selection = window_.Tests.Selection();
  if (!selection.empty()) {
    const TestIndexRow* row = ShownRow(selection.front());
    if (row && row->damage.empty()) return ShowControlChart(row->partNumber);
  }
  if (window_.PartNumber.Text().find_first_not_of(' ') != std::string::npos) {
    return ShowControlChart(core::NumericValue(window_.PartNumber.Text()));
  }
  dialogs_.MessageBox("Select a test of the part, or type its part number, to chart it.");
}

// The part's tests within the dates and series of the filters, whatever the other filters say.
void TestHistoryActions::ShowControlChart(double partNumber) {
  std::string problem;
  HistoryFilter filter = ReadFilter(problem).value_or(HistoryFilter{});
  filter.partNumber = partNumber;
  filter.aboveLimitOnly = false;
  std::vector<const TestIndexRow*> tests;
  for (const TestIndexRow& row : rows_) {
    if (Matches(row, filter)) tests.push_back(&row);
  }
  chartActions_.Show(partNumber, tests);
}

void TestHistoryActions::GraphPoint(const ChartPoint& point) {
  auto row = std::find_if(rows_.begin(), rows_.end(), [&point](const TestIndexRow& r) {
    return r.path == point.path && r.station == point.station;
  });
  if (row != rows_.end()) GraphRows({&*row});
}

}  // namespace history
