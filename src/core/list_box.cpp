#include "core/list_box.h"

#include "core/guard.h"

namespace core {

std::string ListBox::Selected() const {
  if (listIndex_ < 0 || listIndex_ >= ListCount()) return {};
  return items_[static_cast<std::size_t>(listIndex_)];
}

void ListBox::SetItems(std::vector<std::string> items) {
  if (items == items_ && listIndex_ < ListCount()) return;
  items_ = std::move(items);
  if (listIndex_ >= ListCount()) listIndex_ = -1;
  NotifyObservers();
}

void ListBox::AddItem(const std::string& item) {
  items_.push_back(item);
  NotifyObservers();
}

void ListBox::RemoveItem(int index) {
  if (index < 0 || index >= ListCount()) return;
  items_.erase(items_.begin() + index);
  // As a list box does: the selection goes with the removed item.
  listIndex_ = -1;
  NotifyObservers();
}

void ListBox::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) index = -1;
  if (index == listIndex_) return;
  listIndex_ = index;
  NotifyObservers();
  if (change_) Guarded(change_);
}

void ListBox::Click(int index) {
  SetListIndex(index);
  if (click_) Guarded(click_);
}

void ListBox::DblClick(int index) {
  SetListIndex(index);
  if (dblClick_) Guarded(dblClick_);
}

}  // namespace core
