#pragma once

#include <string>

#include "core/platform/clock.h"

namespace doubles {

// A clock that stands still until told: time of day, date and fixed long forms.
class FakeClock : public core::Clock {
 public:
  double SecondsSinceMidnight() const override { return seconds_; }
  core::CalendarDate Today() const override { return date_; }
  std::string LongDate() const override;
  std::string LongTime() const override;

  void SetSeconds(double seconds) { seconds_ = seconds; }
  void Advance(double seconds) { seconds_ += seconds; }
  void SetDate(core::CalendarDate date) { date_ = date; }

 private:
  double seconds_ = 12 * 3600.0;
  core::CalendarDate date_{2003, 12, 8};
};

}  // namespace doubles
