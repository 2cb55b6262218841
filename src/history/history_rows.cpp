#include "history/history_rows.h"

#include <QDateTime>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <ctime>

#include "core/numbers.h"

namespace history {
namespace {

std::string Folded(std::string text) {
  auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
  while (!text.empty() && blank(static_cast<unsigned char>(text.back()))) text.pop_back();
  std::size_t start = 0;
  while (start < text.size() && blank(static_cast<unsigned char>(text[start]))) ++start;
  text.erase(0, start);
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string FolderOf(const std::string& path) {
  std::size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

std::string Optional(const std::optional<double>& value) { return value ? ValueText(*value) : ""; }

// The value a numeric column sorts by; none sorts first.
std::optional<double> NumberOf(const TestIndexRow& row, HistoryColumn column) {
  switch (column) {
    case HistoryColumn::Tested:
      return static_cast<double>(row.testedAtMs);
    case HistoryColumn::PartNumber:
      return row.partNumber;
    case HistoryColumn::SetPressure:
      return row.setPressure;
    case HistoryColumn::CalLeak:
      return row.calLeak;
    case HistoryColumn::FullScale:
      return core::NumericValue(row.fullScaleFlow);
    case HistoryColumn::LeakLimit:
      return row.leakLimit;
    case HistoryColumn::ReadHighest:
      return row.readHighest;
    case HistoryColumn::ReadLast:
      return row.readLast;
    case HistoryColumn::AboveLimit:
      return row.aboveLimit ? 1.0 : 0.0;
    case HistoryColumn::DataLines:
      return static_cast<double>(row.dataLines);
    default:
      return std::nullopt;
  }
}

bool IsText(HistoryColumn column) {
  return column == HistoryColumn::File || column == HistoryColumn::Station ||
         column == HistoryColumn::TestSeries || column == HistoryColumn::Folder ||
         column == HistoryColumn::Remark;
}

}  // namespace

std::vector<HistoryColumn> Columns(bool withStation) {
  std::vector<HistoryColumn> columns;
  for (int c = 0; c <= static_cast<int>(HistoryColumn::Remark); ++c) {
    auto column = static_cast<HistoryColumn>(c);
    if (column != HistoryColumn::Station || withStation) columns.push_back(column);
  }
  return columns;
}

std::string HeadingOf(HistoryColumn column) {
  static const char* const kHeadings[] = {"File",        "Station",      "Tested",    "Part #",
                                          "Test Series", "Set Pressure", "Cal Leak",  "Full Scale",
                                          "Leak Limit",  "Read Highest", "Read Last", "Above Limit",
                                          "Data Lines",  "Folder",       "Remark"};
  return kHeadings[static_cast<int>(column)];
}

std::vector<std::string> HeadingsOf(const std::vector<HistoryColumn>& columns) {
  std::vector<std::string> headings;
  for (HistoryColumn column : columns) headings.push_back(HeadingOf(column));
  return headings;
}

std::string CellOf(const TestIndexRow& row, HistoryColumn column) {
  bool damaged = !row.damage.empty();
  switch (column) {
    case HistoryColumn::File:
      return FileNameOf(row.path);
    case HistoryColumn::Station:
      return row.station;
    case HistoryColumn::Tested:
      return TestedText(row.testedAtMs);
    case HistoryColumn::Folder:
      return FolderOf(row.path);
    case HistoryColumn::Remark:
      return row.damage;
    default:
      break;
  }
  if (damaged) return "";
  switch (column) {
    case HistoryColumn::PartNumber:
      return ValueText(row.partNumber);
    case HistoryColumn::TestSeries:
      return row.testSeries;
    case HistoryColumn::SetPressure:
      return ValueText(row.setPressure);
    case HistoryColumn::CalLeak:
      return ValueText(row.calLeak);
    case HistoryColumn::FullScale:
      return row.fullScaleFlow;
    case HistoryColumn::LeakLimit:
      return ValueText(row.leakLimit);
    case HistoryColumn::ReadHighest:
      return Optional(row.readHighest);
    case HistoryColumn::ReadLast:
      return Optional(row.readLast);
    case HistoryColumn::AboveLimit:
      return row.aboveLimit ? "Yes" : "";
    case HistoryColumn::DataLines:
      return std::to_string(row.dataLines);
    default:
      return "";
  }
}

core::TableBox::Row TableRowOf(const TestIndexRow& row, const std::vector<HistoryColumn>& columns) {
  core::TableBox::Row out;
  out.cells.reserve(columns.size());
  for (HistoryColumn column : columns) out.cells.push_back(CellOf(row, column));
  out.marked = row.aboveLimit;
  return out;
}

bool Matches(const TestIndexRow& row, const HistoryFilter& filter) {
  if (filter.fromMs && row.testedAtMs < *filter.fromMs) return false;
  if (filter.toMs && row.testedAtMs >= *filter.toMs) return false;
  if (filter.partNumber && (!row.damage.empty() || row.partNumber != *filter.partNumber))
    return false;
  if (!filter.testSeries.empty() && Folded(row.testSeries) != Folded(filter.testSeries))
    return false;
  return !filter.aboveLimitOnly || row.aboveLimit;
}

void SortRows(std::vector<const TestIndexRow*>& rows, HistoryColumn column, bool ascending) {
  auto less = [column](const TestIndexRow* a, const TestIndexRow* b) {
    if (!IsText(column)) {
      std::optional<double> x = NumberOf(*a, column), y = NumberOf(*b, column);
      if (!a->damage.empty() && column != HistoryColumn::Tested) x.reset();
      if (!b->damage.empty() && column != HistoryColumn::Tested) y.reset();
      if (x.has_value() != y.has_value()) return !x.has_value();
      return x && *x < *y;
    }
    return CellOf(*a, column) < CellOf(*b, column);
  };
  if (ascending) {
    std::stable_sort(rows.begin(), rows.end(), less);
  } else {
    std::stable_sort(rows.begin(), rows.end(),
                     [&less](const TestIndexRow* a, const TestIndexRow* b) { return less(b, a); });
  }
}

// Both are written for every cell of ten thousand rows when the window opens, so they keep
// clear of the locale machinery: the local time from the C library, the number as the shortest
// plain decimal that reads back the same.
std::string TestedText(std::int64_t ms) {
  std::time_t seconds = static_cast<std::time_t>(ms / 1000 - (ms % 1000 < 0 ? 1 : 0));
  std::tm local{};
  if (!localtime_r(&seconds, &local)) return {};
  char text[32];
  std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return std::string(text, length);
}

std::string ValueText(double value) {
  if (!std::isfinite(value)) return "";
  double rounded = std::round(value * 1000) / 1000;
  if (rounded == 0) rounded = 0;  // no "-0"
  char text[64];
  auto [end, error] = std::to_chars(text, text + sizeof text, rounded, std::chars_format::fixed);
  if (error != std::errc()) return core::NumberText(rounded);
  return std::string(text, end);
}

std::optional<std::int64_t> DayStartMs(const std::string& text) {
  QDate day = QDate::fromString(QString::fromStdString(text).trimmed(), "yyyy-MM-dd");
  if (!day.isValid()) return std::nullopt;
  return QDateTime(day, QTime(0, 0)).toMSecsSinceEpoch();
}

}  // namespace history
