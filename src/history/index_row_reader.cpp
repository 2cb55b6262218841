#include "history/index_row_reader.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <charconv>

#include "records/test_file_reader.h"

namespace history {
namespace {

// The file's reals are single precision: take each as the shortest decimal that reads back
// as it, so 10.6 is indexed as 10.6 and not as 10.6000003814697.
double AsWritten(float value) {
  char text[32];
  auto written = std::to_chars(text, text + sizeof text, value);
  double result = value;
  std::from_chars(text, written.ptr, result);
  return result;
}

double NumberOf(const std::string& text) {
  double value = 0;
  const char* begin = text.data();
  while (begin != text.data() + text.size() && *begin == ' ') ++begin;
  auto [end, error] = std::from_chars(begin, text.data() + text.size(), value);
  return error == std::errc() ? value : 0;
}

// The header ends with the long date and the long time, each after a comma and two blanks;
// the long date has commas of its own, with one blank.
void SplitHeader(const std::string& header, TestIndexRow& row) {
  const std::string separator = ",  ";
  std::size_t timeCut = header.rfind(separator);
  if (timeCut == std::string::npos || timeCut == 0) return;
  std::size_t dateCut = header.rfind(separator, timeCut - 1);
  std::size_t dateStart = dateCut == std::string::npos ? 0 : dateCut + separator.size();
  row.headerDate = header.substr(dateStart, timeCut - dateStart);
  row.headerTime = header.substr(timeCut + separator.size());
}

// Long time forms often end in a time zone, which the parser cannot always read back.
QStringList TimeFormatsOf(const QLocale& locale) {
  QString format = locale.timeFormat(QLocale::LongFormat);
  QString withoutZone = format;
  withoutZone.remove(QLatin1Char('t'));
  return {format, withoutZone.trimmed()};
}

// "13:14:23 UTC" without its zone: the time is taken as local time, as it was written.
QString WithoutZone(const QString& time) {
  qsizetype cut = time.lastIndexOf(QLatin1Char(' '));
  return cut < 0 ? time : time.left(cut).trimmed();
}

std::optional<std::int64_t> TestedAtOf(const std::string& dateText, const std::string& timeText) {
  const QLocale system = QLocale::system();
  const QLocale us(QLocale::English, QLocale::UnitedStates);
  const QString dateString = QString::fromStdString(dateText).trimmed();
  const QString timeString = QString::fromStdString(timeText).trimmed();
  struct Forms {
    const QLocale& locale;
    QStringList dates;
    QStringList times;
  };
  const Forms forms[] = {
      {system, {system.dateFormat(QLocale::LongFormat)}, TimeFormatsOf(system)},
      {us, {"dddd, MMMM dd, yyyy", "dddd, MMMM d, yyyy"}, {"h:mm:ss AP", "hh:mm:ss AP", "H:mm:ss"}},
  };
  for (const Forms& form : forms) {
    QDate date;
    for (const QString& format : form.dates) {
      if (!date.isValid()) date = form.locale.toDate(dateString, format);
    }
    QTime time;
    for (const QString& format : form.times) {
      for (const QString& text : {timeString, WithoutZone(timeString)}) {
        if (!time.isValid()) time = form.locale.toTime(text, format);
      }
    }
    if (date.isValid() && time.isValid()) {
      return QDateTime(date, time, Qt::LocalTime).toMSecsSinceEpoch();
    }
  }
  return std::nullopt;
}

// The read phase's flows as the chart labels them: the flow zero line is 0, the chart maximum
// is full scale, and each point is its chart value with the offset saved with it.
void ReadFlows(const records::StoredTestFile& file, double fullScale, TestIndexRow& row) {
  const double zero = file.scale.flowZeroYaxisValue;
  const double span = file.scale.chartMax - zero;
  if (fullScale == 0 || span == 0) return;
  for (const records::DataLine& line : file.data) {
    if (line.status != "R") continue;
    double flow = (static_cast<double>(line.y) + line.offset - zero) / span * fullScale;
    row.readHighest = row.readHighest ? std::max(*row.readHighest, flow) : flow;
    row.readLast = flow;
  }
}

}  // namespace

TestIndexRow IndexRowOf(const std::string& path, const std::string& text, FileStamp stamp) {
  TestIndexRow row;
  row.path = path;
  row.size = stamp.size;
  row.modifiedMs = stamp.modifiedMs;
  row.testedAtMs = stamp.modifiedMs;
  records::StoredTestFile file;
  try {
    file = records::ReadTestFile(text);
  } catch (const records::TestFileError& error) {
    row.damage = error.what();
    return row;
  }
  const records::StoredTestValues& v = file.values;
  row.header = v.Header;
  SplitHeader(row.header, row);
  if (auto testedAt = TestedAtOf(row.headerDate, row.headerTime)) {
    row.testedAtMs = *testedAt;
    row.testedAtFromHeader = true;
  }
  row.partNumber = AsWritten(v.PartNumber);
  row.setPressure = AsWritten(v.PressReference);
  row.calLeak = AsWritten(v.CalLeak);
  row.testSeries = v.TestSeries;
  row.fullScaleFlow = v.FullScaleFlow;
  row.leakLimit = AsWritten(v.LeakLimit);
  row.zeroTime = AsWritten(v.ZeroTime);
  row.dataLines = static_cast<int>(file.data.size());
  ReadFlows(file, NumberOf(v.FullScaleFlow), row);
  row.aboveLimit = row.readHighest && *row.readHighest > row.leakLimit;
  return row;
}

}  // namespace history
