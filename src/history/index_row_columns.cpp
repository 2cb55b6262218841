#include "history/index_row_columns.h"

#include <QVariant>
#include <optional>

namespace history {

IndexRowColumns::IndexRowColumns(const QSqlRecord& record) {
  static const char* const kNames[FieldCount] = {
      "path",        "station",         "size",
      "modified_ms", "header",          "header_date",
      "header_time", "tested_at_ms",    "tested_at_from_header",
      "part_number", "set_pressure",    "cal_leak",
      "test_series", "full_scale_flow", "leak_limit",
      "zero_time",   "data_lines",      "read_highest",
      "read_last",   "above_limit",     "damage"};
  for (int f = 0; f < FieldCount; ++f) at_[f] = record.indexOf(QString::fromLatin1(kNames[f]));
}

TestIndexRow IndexRowColumns::Read(const QSqlQuery& q) const {
  // A column the query lacks reads as empty.
  auto value = [&](Field f) { return at_[f] < 0 ? QVariant() : q.value(at_[f]); };
  auto text = [&](Field f) { return value(f).toString().toStdString(); };
  auto maybe = [&](Field f) -> std::optional<double> {
    QVariant v = value(f);
    if (v.isNull()) return std::nullopt;
    return v.toDouble();
  };
  TestIndexRow row;
  row.path = text(Path);
  row.station = text(Station);
  row.size = value(Size).toLongLong();
  row.modifiedMs = value(ModifiedMs).toLongLong();
  row.header = text(Header);
  row.headerDate = text(HeaderDate);
  row.headerTime = text(HeaderTime);
  row.testedAtMs = value(TestedAtMs).toLongLong();
  row.testedAtFromHeader = value(TestedAtFromHeader).toLongLong() != 0;
  row.partNumber = value(PartNumber).toDouble();
  row.setPressure = value(SetPressure).toDouble();
  row.calLeak = value(CalLeak).toDouble();
  row.testSeries = text(TestSeries);
  row.fullScaleFlow = text(FullScaleFlow);
  row.leakLimit = value(LeakLimit).toDouble();
  row.zeroTime = value(ZeroTime).toDouble();
  row.dataLines = value(DataLines).toInt();
  row.readHighest = maybe(ReadHighest);
  row.readLast = maybe(ReadLast);
  row.aboveLimit = value(AboveLimit).toLongLong() != 0;
  row.damage = text(Damage);
  return row;
}

}  // namespace history
