#pragma once

#include <functional>
#include <string>

#include "core/control.h"

namespace core {

// A check box with the values 0 (unchecked), 1 (checked) and 2 (greyed, the third state).
class CheckBox : public Control {
 public:
  CheckBox(std::string name, std::string caption, int value)
      : Control(std::move(name)), caption_(std::move(caption)), value_(value) {}

  const std::string& Caption() const { return caption_; }
  int Value() const { return value_; }
  void SetValue(int value);
  void OnClick(std::function<void()> action) { click_ = std::move(action); }

 private:
  std::string caption_;
  int value_;
  std::function<void()> click_;
};

}  // namespace core
