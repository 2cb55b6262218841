#include "history/test_index.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>
#include <filesystem>
#include <span>

#include "history/index_database.h"
#include "history/index_row_columns.h"

// The index file, for the readers on other connections (the plant database sender):
//   meta(key TEXT PRIMARY KEY, value)   'schema_version' = 1; 'revision' = the last revision
//                                       given out
//   tests(path TEXT PRIMARY KEY, station, size, modified_ms, header, header_date, header_time,
//         tested_at_ms, tested_at_from_header, part_number, set_pressure, cal_leak,
//         test_series, full_scale_flow, leak_limit, zero_time, data_lines, read_highest NULL,
//         read_last NULL, above_limit, damage, revision)
//                                       one row per test data file; times are ms since the
//                                       epoch, flags 0 or 1, read_* NULL when there is no flow
//   folders(path TEXT PRIMARY KEY)      the folders the history scans
//   outbox(path TEXT PRIMARY KEY, revision INTEGER)
//                                       rows still to be sent to the plant database
// Every write of a tests row takes the next index-wide revision (meta 'revision' + 1), so a
// revision is never given out twice, not even to a row removed and written again. While
// queueing for the plant is on, the same transaction puts (path, revision) in the outbox. The
// sender reads the tests row with the outbox entry and, once sent, deletes the entry only
// where its revision still matches (DELETE FROM outbox WHERE path = ? AND revision = ?): a
// row written again meanwhile stays queued. Removing a row removes its outbox entry.
// WAL journal, so the sender reads while the program writes.

namespace history {
namespace {

constexpr const char* kColumns =
    "path, station, size, modified_ms, header, header_date, header_time, tested_at_ms,"
    " tested_at_from_header, part_number, set_pressure, cal_leak, test_series, full_scale_flow,"
    " leak_limit, zero_time, data_lines, read_highest, read_last, above_limit, damage";

QString Text(const std::string& text) { return QString::fromStdString(text); }

QVariant Nullable(const std::optional<double>& value) {
  return value ? QVariant(*value) : QVariant(QMetaType::fromType<double>());
}

void BindRow(QSqlQuery& query, const TestIndexRow& row) {
  const QVariant values[] = {
      Text(row.path),         Text(row.station),       qint64(row.size),
      qint64(row.modifiedMs), Text(row.header),        Text(row.headerDate),
      Text(row.headerTime),   qint64(row.testedAtMs),  int(row.testedAtFromHeader),
      row.partNumber,         row.setPressure,         row.calLeak,
      Text(row.testSeries),   Text(row.fullScaleFlow), row.leakLimit,
      row.zeroTime,           row.dataLines,           Nullable(row.readHighest),
      Nullable(row.readLast), int(row.aboveLimit),     Text(row.damage)};
  for (int i = 0; i < int(std::size(values)); ++i) query.bindValue(i, values[i]);
}

}  // namespace

struct TestIndex::Impl {
  std::string path;
  QString connection = "test-index-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
  std::string error;
  bool opened = false;
  bool queueForPlant = false;
  QSqlDatabase db;
  // Prepared once: a save's write is then a few steps of SQLite, not a parse.
  QSqlQuery nextRevision, put, queue, removeRow, removeQueued;

  // Runs `write` in one transaction; a failure rolls it back and says why.
  template <typename Write>
  IndexResult InTransaction(const Write& write);
  IndexResult Failed(const std::string& what, const QSqlError& why);
  bool Put(const TestIndexRow& row, QSqlError& why);
  bool Run(QSqlQuery& query, QSqlError& why);
};

IndexResult TestIndex::Impl::Failed(const std::string& what, const QSqlError& why) {
  error = what + ": " + why.text().toStdString();
  return {false, error};
}

template <typename Write>
IndexResult TestIndex::Impl::InTransaction(const Write& write) {
  if (!opened) return {false, error.empty() ? "the test index is not open" : error};
  if (!db.transaction()) return Failed("the test index cannot be written", db.lastError());
  QSqlError why;
  if (!write(why)) {
    db.rollback();
    return Failed("the test index cannot be written", why);
  }
  if (!db.commit()) {
    QSqlError commitError = db.lastError();
    db.rollback();
    return Failed("the test index cannot be written", commitError);
  }
  return {};
}

bool TestIndex::Impl::Run(QSqlQuery& query, QSqlError& why) {
  if (query.exec()) return true;
  why = query.lastError();
  return false;
}

bool TestIndex::Impl::Put(const TestIndexRow& row, QSqlError& why) {
  BindRow(put, row);
  if (!Run(nextRevision, why) || !Run(put, why)) return false;
  if (!queueForPlant) return true;
  queue.bindValue(0, Text(row.path));
  return Run(queue, why);
}

TestIndex::TestIndex(const std::string& databasePath) : impl_(std::make_unique<Impl>()) {
  impl_->path = databasePath;
  impl_->error = OpenIndexDatabase(databasePath, impl_->connection);
  impl_->db = QSqlDatabase::database(impl_->connection, false);
  if (!impl_->error.empty()) return;
  struct Statement {
    QSqlQuery& query;
    QString text;
  };
  const QString revision = "(SELECT value FROM meta WHERE key = 'revision')";
  Statement statements[] = {
      {impl_->nextRevision, "UPDATE meta SET value = value + 1 WHERE key = 'revision'"},
      {impl_->put, QString("INSERT OR REPLACE INTO tests(%1, revision) VALUES(%2%3)")
                       .arg(kColumns, QString("?, ").repeated(21), revision)},
      {impl_->queue, "INSERT OR REPLACE INTO outbox(path, revision) VALUES(?, " + revision + ")"},
      {impl_->removeRow, "DELETE FROM tests WHERE path = ?"},
      {impl_->removeQueued, "DELETE FROM outbox WHERE path = ?"},
  };
  for (Statement& s : statements) {
    s.query = QSqlQuery(impl_->db);
    if (!s.query.prepare(s.text)) {
      impl_->error = "the test index cannot be used: " + s.query.lastError().text().toStdString();
      return;
    }
  }
  impl_->opened = true;
}

TestIndex::~TestIndex() {
  // The connection can only go once nothing refers to it any more.
  QString connection = impl_->connection;
  impl_.reset();
  QSqlDatabase::removeDatabase(connection);
}

bool TestIndex::Opened() const { return impl_->opened; }
const std::string& TestIndex::LastError() const { return impl_->error; }
const std::string& TestIndex::DatabasePath() const { return impl_->path; }

IndexResult TestIndex::Record(const TestIndexRow& row) { return RecordAll({row}); }

IndexResult TestIndex::RecordAll(const std::vector<TestIndexRow>& rows) {
  return impl_->InTransaction([&](QSqlError& why) {
    for (const TestIndexRow& row : rows) {
      if (!impl_->Put(row, why)) return false;
    }
    return true;
  });
}

IndexResult TestIndex::Remove(const std::vector<std::string>& paths) {
  return impl_->InTransaction([&](QSqlError& why) {
    for (const std::string& path : paths) {
      for (QSqlQuery* query : {&impl_->removeRow, &impl_->removeQueued}) {
        query->bindValue(0, Text(path));
        if (!impl_->Run(*query, why)) return false;
      }
    }
    return true;
  });
}

std::vector<TestIndexRow> TestIndex::AllRows() const {
  std::vector<TestIndexRow> rows;
  if (!impl_->opened) return rows;
  QSqlQuery query(impl_->db);
  query.setForwardOnly(true);
  if (!query.exec(QString("SELECT %1 FROM tests ORDER BY tested_at_ms, path").arg(kColumns))) {
    impl_->error = "the test index cannot be read: " + query.lastError().text().toStdString();
    return rows;
  }
  IndexRowColumns columns(query.record());
  while (query.next()) rows.push_back(columns.Read(query));
  return rows;
}

std::optional<TestIndexRow> TestIndex::RowOf(const std::string& path) const {
  if (!impl_->opened) return std::nullopt;
  QSqlQuery query(impl_->db);
  query.prepare(QString("SELECT %1 FROM tests WHERE path = ?").arg(kColumns));
  query.bindValue(0, Text(path));
  if (!query.exec() || !query.next()) return std::nullopt;
  return IndexRowColumns(query.record()).Read(query);
}

std::vector<std::pair<std::string, FileStamp>> TestIndex::StampsIn(
    const std::string& folder) const {
  std::vector<std::pair<std::string, FileStamp>> stamps;
  if (!impl_->opened) return stamps;
  // The rows under the folder are one range of the key: from "folder/" up to "folder0".
  const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
  std::string prefix = folder;
  if (prefix.empty() || prefix.back() != separator) prefix += separator;
  std::string end = prefix;
  end.back() = static_cast<char>(separator + 1);
  QSqlQuery query(impl_->db);
  query.setForwardOnly(true);
  query.prepare("SELECT path, size, modified_ms FROM tests WHERE path >= ? AND path < ?");
  query.bindValue(0, Text(prefix));
  query.bindValue(1, Text(end));
  if (!query.exec()) return stamps;
  while (query.next()) {
    std::string path = query.value(0).toString().toStdString();
    if (path.find(separator, prefix.size()) != std::string::npos) continue;  // a subfolder's
    stamps.emplace_back(path, FileStamp{query.value(1).toLongLong(), query.value(2).toLongLong()});
  }
  return stamps;
}

std::vector<std::string> TestIndex::Folders() const {
  std::vector<std::string> folders;
  if (!impl_->opened) return folders;
  QSqlQuery query(impl_->db);
  if (!query.exec("SELECT path FROM folders ORDER BY path")) return folders;
  while (query.next()) folders.push_back(query.value(0).toString().toStdString());
  return folders;
}

IndexResult TestIndex::AddFolder(const std::string& folder) {
  return impl_->InTransaction([&](QSqlError& why) {
    QSqlQuery query(impl_->db);
    query.prepare("INSERT OR IGNORE INTO folders(path) VALUES(?)");
    query.bindValue(0, Text(folder));
    return impl_->Run(query, why);
  });
}

void TestIndex::SetQueueForPlant(bool on) { impl_->queueForPlant = on; }

IndexResult TestIndex::QueueEverythingFor(const std::string& target) {
  return impl_->InTransaction([&](QSqlError& why) {
    QSqlQuery known(impl_->db);
    known.prepare("SELECT value FROM meta WHERE key = 'plant_target'");
    if (!impl_->Run(known, why)) return false;
    if (known.next() && known.value(0).toString() == Text(target)) return true;
    QSqlQuery queue(impl_->db);
    queue.prepare("INSERT OR REPLACE INTO outbox(path, revision) SELECT path, revision FROM tests");
    QSqlQuery remember(impl_->db);
    remember.prepare("INSERT OR REPLACE INTO meta(key, value) VALUES('plant_target', ?)");
    remember.bindValue(0, Text(target));
    return impl_->Run(queue, why) && impl_->Run(remember, why);
  });
}
bool TestIndex::QueueForPlant() const { return impl_->queueForPlant; }

}  // namespace history
