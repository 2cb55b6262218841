#include "qt/qt_clock.h"

#include <QDate>
#include <QLocale>
#include <QTime>

namespace qtui {

double QtClock::SecondsSinceMidnight() const {
  return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

core::CalendarDate QtClock::Today() const {
  QDate today = QDate::currentDate();
  return {today.year(), today.month(), today.day()};
}

std::string QtClock::LongDate() const {
  return QLocale::system().toString(QDate::currentDate(), QLocale::LongFormat).toStdString();
}

std::string QtClock::LongTime() const {
  return QLocale::system().toString(QTime::currentTime(), QLocale::LongFormat).toStdString();
}

}  // namespace qtui
