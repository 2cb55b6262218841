#pragma once

#include "core/control.h"

namespace core {

// A progress bar: how much of a piece of work is done out of its whole; hidden when idle.
class ProgressBar : public Control {
 public:
  explicit ProgressBar(std::string name) : Control(std::move(name)) { SetVisible(false); }

  long long Value() const { return value_; }
  long long Maximum() const { return maximum_; }
  void SetProgress(long long value, long long maximum);

 private:
  long long value_ = 0;
  long long maximum_ = 0;
};

}  // namespace core
