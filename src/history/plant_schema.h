#pragma once

#include <QSqlRecord>
#include <QString>
#include <span>
#include <string>

#include "history/test_index_row.h"

namespace history {

// The plant database's tables: what they hold and how one test's row is written and read.
// plant_tests has every column of the station's index row under (station, path);
// plant_data_lines the test's data lines, deleted with their row.
class PlantSchema {
 public:
  // The index row's columns that go to the server as they are, after station and path.
  static std::span<const char* const> ValueColumns();

  // CREATE TABLE IF NOT EXISTS for both tables, one statement each.
  static std::span<const char* const> CreateStatements();

  // INSERT ... ON CONFLICT (station, path) DO UPDATE for one row: placeholders station, path,
  // then ValueColumns() in order.
  static QString UpsertTestStatement();
  // SELECT of ValueColumns() from the local index's tests table, by path.
  static QString LocalRowQuery();
  // SELECT station, path, ValueColumns() of every plant test, newest first.
  static QString PlantRowsQuery();
};

}  // namespace history
