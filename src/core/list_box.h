#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/control.h"

namespace core {

// A list box: its items in order, the selected one (ListIndex, -1 for none), and the click and
// double-click actions. File, drive and plain lists are all list boxes whose items their owner
// fills.
class ListBox : public Control {
 public:
  explicit ListBox(std::string name) : Control(std::move(name)) {}

  const std::vector<std::string>& Items() const { return items_; }
  int ListCount() const { return static_cast<int>(items_.size()); }
  int ListIndex() const { return listIndex_; }
  // The selected item, empty when none is selected.
  std::string Selected() const;

  void SetItems(std::vector<std::string> items);
  void AddItem(const std::string& item);
  void RemoveItem(int index);
  // Selects an item (-1: none); runs the change action when the selection changes.
  void SetListIndex(int index);

  void OnChange(std::function<void()> action) { change_ = std::move(action); }
  void OnClick(std::function<void()> action) { click_ = std::move(action); }
  void OnDblClick(std::function<void()> action) { dblClick_ = std::move(action); }
  // The operator clicks or double-clicks item `index`: it is selected first. A failing step
  // ends the action, as it ends any handler.
  void Click(int index);
  void DblClick(int index);

 private:
  std::vector<std::string> items_;
  int listIndex_ = -1;
  std::function<void()> change_;
  std::function<void()> click_;
  std::function<void()> dblClick_;
};

}  // namespace core
