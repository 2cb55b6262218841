#include "plant/station_index.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace plant_test {

namespace {

const char* const kSchema[] = {
    "CREATE TABLE IF NOT EXISTS tests(path TEXT PRIMARY KEY, station TEXT, size INTEGER,"
    " modified_ms INTEGER, header TEXT, header_date TEXT, header_time TEXT, tested_at_ms INTEGER,"
    " tested_at_from_header INTEGER, part_number REAL, set_pressure REAL, cal_leak REAL,"
    " test_series TEXT, full_scale_flow TEXT, leak_limit REAL, zero_time REAL, data_lines INTEGER,"
    " read_highest REAL NULL, read_last REAL NULL, above_limit INTEGER, damage TEXT,"
    " revision INTEGER)",
    "CREATE TABLE IF NOT EXISTS folders(path TEXT PRIMARY KEY)",
    "CREATE TABLE IF NOT EXISTS outbox(path TEXT PRIMARY KEY, revision INTEGER)"};

QByteArray TestFileText(int partNumber, int lines) {
  if (lines == 0) return "not a test data file\r\n";
  QByteArray text = QStringLiteral(
                        "\"Part #%1  ,Set Pressure: 10.0 PSI,  Cal Leak: 10.6 SCCM,  Monday, "
                        "December 08, 2003,  3:45:12 PM\"\r\n1059,392,490,1.6,10\r\n"
                        "%1,5,5,10,1.03,10,10\r\n10,10.6,490,10,20,1\r\n10,0,5,0,\"A1\"\r\n")
                        .arg(partNumber)
                        .toUtf8();
  const char* statuses[] = {"F", "S", "R", "Y", "Z", ""};
  for (int i = 0; i < lines; ++i)
    text += QStringLiteral("%1,%2,%3,\"%4\"\r\n")
                .arg(i)
                .arg(400 + (i * 7) % 300)
                .arg(i % 5 - 2)
                .arg(QString::fromLatin1(statuses[i % 6]))
                .toUtf8();
  return text;
}

}  // namespace

StationIndex::StationIndex()
    : name_(QStringLiteral("km-plant-test-index-%1").arg(reinterpret_cast<quintptr>(this))) {
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
  db.setDatabaseName(QString::fromStdString(Path()));
  if (!db.open()) ADD_FAILURE() << db.lastError().text().toStdString();
  for (const char* create : kSchema) Exec(QString::fromLatin1(create));
}

StationIndex::~StationIndex() {
  QSqlDatabase::database(name_, false).close();
  QSqlDatabase::removeDatabase(name_);
}

std::string StationIndex::Folder() const { return folder_.path().toStdString(); }

std::string StationIndex::Path() const {
  return folder_.filePath(QStringLiteral("index.sqlite")).toStdString();
}

void StationIndex::Exec(const QString& sql, const QVariantList& values) const {
  QSqlQuery q(QSqlDatabase::database(name_, false));
  q.prepare(sql);
  for (const QVariant& v : values) q.addBindValue(v);
  if (!q.exec()) ADD_FAILURE() << sql.toStdString() << ": " << q.lastError().text().toStdString();
}

std::string StationIndex::SaveTest(const std::string& name, int partNumber, int lines) {
  QString path = folder_.filePath(QString::fromStdString(name));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(TestFileText(partNumber, lines)) < 0)
    ADD_FAILURE() << "cannot write " << path.toStdString();
  file.close();
  QSqlDatabase db = QSqlDatabase::database(name_, false);
  db.transaction();
  Exec(QStringLiteral(
           "INSERT INTO tests (path, station, size, modified_ms, header, header_date, header_time,"
           " tested_at_ms, tested_at_from_header, part_number, set_pressure, cal_leak, test_series,"
           " full_scale_flow, leak_limit, zero_time, data_lines, read_highest, read_last,"
           " above_limit, damage, revision) VALUES (?, '', ?, ?, ?, 'Monday, December 08, 2003',"
           " '3:45:12 PM', 1070898312000, 1, ?, 10, 10.6, 'A1', '10', 10, 0, ?, ?, NULL, ?, ?, 1)"
           " ON CONFLICT(path) DO UPDATE SET size = excluded.size, part_number ="
           " excluded.part_number, data_lines = excluded.data_lines, read_highest ="
           " excluded.read_highest, damage = excluded.damage, revision = tests.revision + 1"),
       {path, QFileInfo(path).size(), QFileInfo(path).lastModified().toMSecsSinceEpoch(),
        QStringLiteral("Part #%1").arg(partNumber), partNumber, lines,
        lines ? QVariant(12.5) : QVariant(QMetaType(QMetaType::Double)), lines > 0 ? 1 : 0,
        lines ? QStringLiteral("") : QStringLiteral("no data line")});
  Exec(QStringLiteral("INSERT OR REPLACE INTO outbox (path, revision)"
                      " SELECT path, revision FROM tests WHERE path = ?"),
       {path});
  db.commit();
  return path.toStdString();
}

void StationIndex::RemoveRow(const std::string& path) {
  Exec(QStringLiteral("DELETE FROM tests WHERE path = ?"), {QString::fromStdString(path)});
}

int StationIndex::Queued() const {
  QSqlQuery q(QSqlDatabase::database(name_, false));
  return q.exec(QStringLiteral("SELECT COUNT(*) FROM outbox")) && q.next() ? q.value(0).toInt()
                                                                           : -1;
}

long long StationIndex::RevisionOf(const std::string& path) const {
  QSqlQuery q(QSqlDatabase::database(name_, false));
  q.prepare(QStringLiteral("SELECT revision FROM tests WHERE path = ?"));
  q.addBindValue(QString::fromStdString(path));
  return q.exec() && q.next() ? q.value(0).toLongLong() : -1;
}

}  // namespace plant_test
