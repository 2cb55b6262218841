#pragma once

#include <string>

namespace core {

struct CalendarDate {
  int year = 2000;
  int month = 1;
  int day = 1;
};

// The clock: time of day with fractions, the date and the platform's long forms.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual double SecondsSinceMidnight() const = 0;
  virtual CalendarDate Today() const = 0;
  virtual std::string LongDate() const = 0;
  virtual std::string LongTime() const = 0;
};

}  // namespace core
