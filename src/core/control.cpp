#include "core/control.h"

namespace core {

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  NotifyObservers();
}

void Control::NotifyObservers() const {
  for (const auto& observer : observers_) observer();
}

}  // namespace core
