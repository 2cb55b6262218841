#pragma once

#include "core/platform/clock.h"

namespace qtui {

// The system clock, with the long date and time forms of the system locale.
class QtClock : public core::Clock {
 public:
  double SecondsSinceMidnight() const override;
  core::CalendarDate Today() const override;
  std::string LongDate() const override;
  std::string LongTime() const override;
};

}  // namespace qtui
