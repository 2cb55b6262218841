#include "history/index_database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace history {
namespace {

enum class Found { Usable, Empty, Unusable };

const char* const kCreate[] = {
    "CREATE TABLE meta(key TEXT PRIMARY KEY, value)",
    "INSERT INTO meta(key, value) VALUES('schema_version', 1), ('revision', 0)",
    "CREATE TABLE tests(path TEXT PRIMARY KEY, station TEXT, size INTEGER, modified_ms INTEGER,"
    " header TEXT, header_date TEXT, header_time TEXT, tested_at_ms INTEGER,"
    " tested_at_from_header INTEGER, part_number REAL, set_pressure REAL, cal_leak REAL,"
    " test_series TEXT, full_scale_flow TEXT, leak_limit REAL, zero_time REAL,"
    " data_lines INTEGER, read_highest REAL NULL, read_last REAL NULL, above_limit INTEGER,"
    " damage TEXT, revision INTEGER)",
    "CREATE TABLE folders(path TEXT PRIMARY KEY)",
    "CREATE TABLE outbox(path TEXT PRIMARY KEY, revision INTEGER)",
};

// Every table and column the index reads, so a file of an older layout is found out here
// and not at the first write.
const char* const kProbes[] = {
    "SELECT path, station, size, modified_ms, header, header_date, header_time, tested_at_ms,"
    " tested_at_from_header, part_number, set_pressure, cal_leak, test_series,"
    " full_scale_flow, leak_limit, zero_time, data_lines, read_highest, read_last,"
    " above_limit, damage, revision FROM tests LIMIT 0",
    "SELECT path FROM folders LIMIT 0",
    "SELECT path, revision FROM outbox LIMIT 0",
};

bool Run(QSqlDatabase& db, const QString& statement, std::string* why = nullptr) {
  QSqlQuery query(db);
  if (query.exec(statement)) return true;
  if (why) *why = query.lastError().text().toStdString();
  return false;
}

Found Inspect(QSqlDatabase& db) {
  QSqlQuery tables(db);
  if (!tables.exec("SELECT count(*) FROM sqlite_master") || !tables.next()) {
    return Found::Unusable;
  }
  if (tables.value(0).toInt() == 0) return Found::Empty;
  QSqlQuery version(db);
  if (!version.exec("SELECT value FROM meta WHERE key = 'schema_version'") || !version.next() ||
      version.value(0).toInt() != kIndexSchemaVersion) {
    return Found::Unusable;
  }
  for (const char* probe : kProbes) {
    if (!Run(db, probe)) return Found::Unusable;
  }
  return Found::Usable;
}

std::string Create(QSqlDatabase& db) {
  db.transaction();
  for (const char* statement : kCreate) {
    QSqlQuery query(db);
    if (!query.exec(statement)) {
      std::string why = query.lastError().text().toStdString();
      db.rollback();
      return "the test index cannot be created: " + why;
    }
  }
  if (!db.commit())
    return "the test index cannot be created: " + db.lastError().text().toStdString();
  return {};
}

// Opens the file and says what is in it; a new file gets the tables.
std::string OpenOnce(const QString& file, const QString& connection, Found& found) {
  QSqlDatabase db = QSqlDatabase::database(connection, false);
  db.setDatabaseName(file);
  db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=2000");
  if (!db.open()) return "the test index cannot be opened: " + db.lastError().text().toStdString();
  // A file that is not SQLite fails its first statement, not the open; and a file that is
  // not ours is looked at, never changed, before it is set aside.
  found = Inspect(db);
  if (found == Found::Unusable) return {};
  std::string why;
  if (!Run(db, "PRAGMA journal_mode=WAL", &why) || !Run(db, "PRAGMA synchronous=NORMAL", &why)) {
    return "the test index cannot be used: " + why;
  }
  return found == Found::Empty ? Create(db) : std::string();
}

// The index is derived from the test files, so an unusable file is kept for a look and
// replaced rather than repaired.
std::string SetAside(const QString& file, const QString& connection) {
  QSqlDatabase::database(connection, false).close();
  QString aside = file + ".damaged";
  QFile::remove(aside);
  if (!QFile::rename(file, aside)) {
    return "the damaged test index " + file.toStdString() + " cannot be set aside";
  }
  QFile::remove(file + "-wal");
  QFile::remove(file + "-shm");
  return {};
}

}  // namespace

std::string OpenIndexDatabase(const std::string& path, const QString& connection) {
  QSqlDatabase::addDatabase("QSQLITE", connection);
  const QString file = QString::fromStdString(path);
  QFileInfo info(file);
  if (!QDir().mkpath(info.absolutePath())) {
    return "the folder of the test index cannot be made: " + info.absolutePath().toStdString();
  }
  if (info.exists() && !info.isFile()) return "the test index " + path + " is not a file";
  Found found = Found::Unusable;
  std::string error = OpenOnce(file, connection, found);
  if (error.empty() && found == Found::Unusable) {
    error = SetAside(file, connection);
    if (error.empty()) error = OpenOnce(file, connection, found);
    if (error.empty() && found == Found::Unusable) error = "the new test index is unusable";
  }
  return error;
}

}  // namespace history
