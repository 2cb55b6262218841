#include "core/check_box.h"

namespace core {

void CheckBox::SetValue(int value) {
  if (value == value_) return;
  value_ = value;
  NotifyObservers();
  if (click_) click_();
}

}  // namespace core
