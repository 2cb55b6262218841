#include "core/table_box.h"

#include <algorithm>

#include "core/guard.h"

namespace core {

int TableBox::ColumnOf(const std::string& heading) const {
  auto it = std::find(headings_.begin(), headings_.end(), heading);
  return it == headings_.end() ? -1 : static_cast<int>(it - headings_.begin());
}

void TableBox::SetHeadings(std::vector<std::string> headings) {
  if (headings == headings_) return;
  headings_ = std::move(headings);
  NotifyObservers();
}

void TableBox::SetRows(std::vector<Row> rows) {
  rows_ = std::move(rows);
  selection_.clear();
  NotifyObservers();
}

void TableBox::ShowSort(int column, bool ascending) {
  if (column == sortColumn_ && ascending == sortAscending_) return;
  sortColumn_ = column;
  sortAscending_ = ascending;
  NotifyObservers();
}

void TableBox::SetSelection(std::vector<int> rows) {
  std::erase_if(rows, [this](int r) { return r < 0 || r >= RowCount(); });
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  if (rows == selection_) return;
  selection_ = std::move(rows);
  NotifyObservers();
}

void TableBox::ClickHeading(int column) {
  if (column < 0 || column >= static_cast<int>(headings_.size())) return;
  if (sort_) Guarded([&] { sort_(column); });
}

void TableBox::DblClick(int row) {
  if (row < 0 || row >= RowCount()) return;
  SetSelection({row});
  if (dblClick_) Guarded([&] { dblClick_(row); });
}

}  // namespace core
