#include "core/progress_bar.h"

namespace core {

void ProgressBar::SetProgress(long long value, long long maximum) {
  if (value == value_ && maximum == maximum_) return;
  value_ = value;
  maximum_ = maximum;
  NotifyObservers();
}

}  // namespace core
