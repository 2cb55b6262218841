#include "doubles/fake_clock.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace doubles {
namespace {
constexpr std::array<const char*, 12> kMonths{"January", "February", "March",     "April",   "May",      "June",
                                              "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<const char*, 7> kDays{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

int DayOfWeek(core::CalendarDate d) {  // Sakamoto's method, 0 = Sunday
  static const int t[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  int y = d.month < 3 ? d.year - 1 : d.year;
  return (y + y / 4 - y / 100 + y / 400 + t[d.month - 1] + d.day) % 7;
}
}  // namespace

// The long forms of a US-English desktop, so that scripts can state them exactly.
std::string FakeClock::LongDate() const {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%s, %s %02d, %04d", kDays[static_cast<std::size_t>(DayOfWeek(date_))],
                kMonths[static_cast<std::size_t>(date_.month - 1)], date_.day, date_.year);
  return buffer;
}

std::string FakeClock::LongTime() const {
  long whole = static_cast<long>(std::floor(seconds_)) % 86400;
  int hours = static_cast<int>(whole / 3600);
  int minutes = static_cast<int>(whole / 60 % 60);
  int seconds = static_cast<int>(whole % 60);
  int twelve = hours % 12 == 0 ? 12 : hours % 12;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%d:%02d:%02d %s", twelve, minutes, seconds, hours < 12 ? "AM" : "PM");
  return buffer;
}

}  // namespace doubles
