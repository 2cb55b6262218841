#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/control.h"

namespace core {

// A table of text cells under column headings, shown in the order the owner puts the rows in:
// the owner sorts and filters, the table only holds what is shown. Several rows may be
// selected; a row may be marked (drawn so that it stands out). The operator's click on a
// heading asks the owner to sort; a double-click on a row runs the double-click action.
class TableBox : public Control {
 public:
  struct Row {
    std::vector<std::string> cells;
    bool marked = false;
    bool operator==(const Row&) const = default;
  };

  TableBox(std::string name, std::vector<std::string> headings)
      : Control(std::move(name)), headings_(std::move(headings)) {}

  const std::vector<std::string>& Headings() const { return headings_; }
  // The column of a heading, -1 when there is none.
  int ColumnOf(const std::string& heading) const;
  void SetHeadings(std::vector<std::string> headings);

  const std::vector<Row>& Rows() const { return rows_; }
  int RowCount() const { return static_cast<int>(rows_.size()); }
  // Replaces every row; the selection is emptied.
  void SetRows(std::vector<Row> rows);

  // The sort shown on the headings: column -1 for none.
  int SortColumn() const { return sortColumn_; }
  bool SortAscending() const { return sortAscending_; }
  void ShowSort(int column, bool ascending);

  // Selected rows, in ascending order.
  const std::vector<int>& Selection() const { return selection_; }
  void SetSelection(std::vector<int> rows);

  // The operator clicks a heading: the owner's sort action decides the order.
  void OnSort(std::function<void(int column)> action) { sort_ = std::move(action); }
  void OnDblClick(std::function<void(int row)> action) { dblClick_ = std::move(action); }
  void ClickHeading(int column);
  // Selects the row alone, then runs the double-click action; a failing step ends the action.
  void DblClick(int row);

 private:
  std::vector<std::string> headings_;
  std::vector<Row> rows_;
  std::vector<int> selection_;
  int sortColumn_ = -1;
  bool sortAscending_ = true;
  std::function<void(int)> sort_;
  std::function<void(int)> dblClick_;
};

}  // namespace core
