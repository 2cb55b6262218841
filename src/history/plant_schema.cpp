#include "history/plant_schema.h"

#include <QStringList>
#include <QVariant>
#include <array>

namespace history {

namespace {

constexpr std::array<const char*, 20> kValueColumns = {"size",
                                                       "modified_ms",
                                                       "header",
                                                       "header_date",
                                                       "header_time",
                                                       "tested_at_ms",
                                                       "tested_at_from_header",
                                                       "part_number",
                                                       "set_pressure",
                                                       "cal_leak",
                                                       "test_series",
                                                       "full_scale_flow",
                                                       "leak_limit",
                                                       "zero_time",
                                                       "data_lines",
                                                       "read_highest",
                                                       "read_last",
                                                       "above_limit",
                                                       "damage",
                                                       "revision"};

constexpr std::array<const char*, 2> kCreate = {
    "CREATE TABLE IF NOT EXISTS plant_tests ("
    " station TEXT NOT NULL, path TEXT NOT NULL, size BIGINT, modified_ms BIGINT,"
    " header TEXT, header_date TEXT, header_time TEXT, tested_at_ms BIGINT,"
    " tested_at_from_header INTEGER, part_number DOUBLE PRECISION,"
    " set_pressure DOUBLE PRECISION, cal_leak DOUBLE PRECISION, test_series TEXT,"
    " full_scale_flow TEXT, leak_limit DOUBLE PRECISION, zero_time DOUBLE PRECISION,"
    " data_lines INTEGER, read_highest DOUBLE PRECISION NULL, read_last DOUBLE PRECISION NULL,"
    " above_limit INTEGER, damage TEXT, revision BIGINT,"
    " sent_at TIMESTAMPTZ NOT NULL DEFAULT now(), PRIMARY KEY (station, path))",
    "CREATE TABLE IF NOT EXISTS plant_data_lines ("
    " station TEXT NOT NULL, path TEXT NOT NULL, line_no INTEGER NOT NULL,"
    " chart_x INTEGER, chart_y INTEGER, temp_comp_offset INTEGER, status TEXT,"
    " PRIMARY KEY (station, path, line_no),"
    " FOREIGN KEY (station, path) REFERENCES plant_tests (station, path) ON DELETE CASCADE)"};

QString ColumnList() {
  QStringList names;
  for (const char* c : kValueColumns) names << QString::fromLatin1(c);
  return names.join(u", ");
}

}  // namespace

std::span<const char* const> PlantSchema::ValueColumns() { return kValueColumns; }

std::span<const char* const> PlantSchema::CreateStatements() { return kCreate; }

QString PlantSchema::UpsertTestStatement() {
  QStringList marks, updates;
  for (const char* c : kValueColumns) {
    marks << QStringLiteral("?");
    updates << QStringLiteral("%1 = EXCLUDED.%1").arg(QString::fromLatin1(c));
  }
  updates << QStringLiteral("sent_at = now()");
  return QStringLiteral(
             "INSERT INTO plant_tests (station, path, %1) VALUES (?, ?, %2)"
             " ON CONFLICT (station, path) DO UPDATE SET %3")
      .arg(ColumnList(), marks.join(u", "), updates.join(u", "));
}

QString PlantSchema::LocalRowQuery() {
  return QStringLiteral("SELECT %1 FROM tests WHERE path = ?").arg(ColumnList());
}

QString PlantSchema::PlantRowsQuery() {
  return QStringLiteral(
             "SELECT station, path, %1 FROM plant_tests ORDER BY tested_at_ms DESC, station, path")
      .arg(ColumnList());
}

}  // namespace history
