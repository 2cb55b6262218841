#include "core/check_box.h"

#include "core/guard.h"

namespace core {

void CheckBox::SetValue(int value) {
  if (value == value_) return;
  value_ = value;
  NotifyObservers();
  if (click_) core::Guarded(click_);
}

}  // namespace core
