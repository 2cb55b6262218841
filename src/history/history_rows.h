#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/table_box.h"
#include "history/test_index_row.h"

namespace history {

// The columns of the history table, left to right; Station only in the plant view.
enum class HistoryColumn {
  File,
  Station,
  Tested,
  PartNumber,
  TestSeries,
  SetPressure,
  CalLeak,
  FullScale,
  LeakLimit,
  ReadHighest,
  ReadLast,
  AboveLimit,
  DataLines,
  Folder,
  Remark
};

// What the filters let through. Times are ms since the epoch, `toMs` exclusive.
struct HistoryFilter {
  std::optional<std::int64_t> fromMs;
  std::optional<std::int64_t> toMs;
  std::optional<double> partNumber;
  std::string testSeries;  // compared trimmed and without regard to case
  bool aboveLimitOnly = false;
};

std::vector<HistoryColumn> Columns(bool withStation);
std::string HeadingOf(HistoryColumn column);
std::vector<std::string> HeadingsOf(const std::vector<HistoryColumn>& columns);
std::string CellOf(const TestIndexRow& row, HistoryColumn column);
core::TableBox::Row TableRowOf(const TestIndexRow& row, const std::vector<HistoryColumn>& columns);

bool Matches(const TestIndexRow& row, const HistoryFilter& filter);
// Sorts by the column's value (numbers as numbers, the test time as a time); rows without a
// value come first in ascending order; equal values keep their order.
void SortRows(std::vector<const TestIndexRow*>& rows, HistoryColumn column, bool ascending);

// The local time of a test as the table shows it: "2003-12-08 15:45:12".
std::string TestedText(std::int64_t ms);
// A flow or set-up value as the table shows it: at most three decimals.
std::string ValueText(double value);
// "yyyy-mm-dd" as the local midnight that starts that day; none for any other text.
std::optional<std::int64_t> DayStartMs(const std::string& text);

}  // namespace history
