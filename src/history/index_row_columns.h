#pragma once

#include <QSqlQuery>
#include <QSqlRecord>

#include "history/test_index_row.h"

namespace history {

// Reads test rows out of a query, the station's index or the plant database alike, by the
// columns' names; the names are looked up once, for the query's first row.
class IndexRowColumns {
 public:
  explicit IndexRowColumns(const QSqlRecord& record);

  TestIndexRow Read(const QSqlQuery& query) const;

 private:
  enum Field {
    Path,
    Station,
    Size,
    ModifiedMs,
    Header,
    HeaderDate,
    HeaderTime,
    TestedAtMs,
    TestedAtFromHeader,
    PartNumber,
    SetPressure,
    CalLeak,
    TestSeries,
    FullScaleFlow,
    LeakLimit,
    ZeroTime,
    DataLines,
    ReadHighest,
    ReadLast,
    AboveLimit,
    Damage,
    FieldCount
  };
  int at_[FieldCount];
};

}  // namespace history
