#include "history/plant_outbox.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include "history/plant_schema.h"
#include "history/sql_connection.h"

namespace history {

PlantOutbox::PlantOutbox(std::string indexPath)
    : indexPath_(std::move(indexPath)),
      name_(QStringLiteral("km-plant-index-%1").arg(reinterpret_cast<quintptr>(this))) {}

PlantOutbox::~PlantOutbox() { CloseConnection(name_); }

bool PlantOutbox::Open() {
  if (QSqlDatabase::contains(name_) && QSqlDatabase::database(name_, false).isOpen()) return true;
  QString path = QString::fromStdString(indexPath_);
  if (!QFileInfo::exists(path)) return false;
  if (!QSqlDatabase::contains(name_)) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(path);
    // The index's own writes take precedence; waiting a little beats failing the pass.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
  }
  QSqlDatabase db = QSqlDatabase::database(name_, false);
  if (!db.open()) {
    lastError_ = "the test index cannot be opened: " + db.lastError().text().toStdString();
    return false;
  }
  return true;
}

std::vector<std::string> PlantOutbox::QueuedPaths() {
  std::vector<std::string> paths;
  if (!Open()) return paths;
  QSqlQuery q(QSqlDatabase::database(name_, false));
  if (!q.exec(QStringLiteral("SELECT path FROM outbox ORDER BY rowid"))) return paths;
  while (q.next()) paths.push_back(q.value(0).toString().toStdString());
  return paths;
}

int PlantOutbox::Count() {
  if (!Open()) return 0;
  QSqlQuery q(QSqlDatabase::database(name_, false));
  if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM outbox")) || !q.next()) return 0;
  return q.value(0).toInt();
}

std::optional<QueuedTest> PlantOutbox::Take(const std::string& path) {
  if (!Open()) return std::nullopt;
  QString columns;
  for (const char* c : PlantSchema::ValueColumns())
    columns += QStringLiteral(", t.") + QString::fromLatin1(c);
  QSqlQuery q(QSqlDatabase::database(name_, false));
  q.prepare(QStringLiteral("SELECT o.revision, t.path IS NOT NULL%1 FROM outbox o"
                           " LEFT JOIN tests t ON t.path = o.path WHERE o.path = ?")
                .arg(columns));
  q.addBindValue(QString::fromStdString(path));
  if (!q.exec() || !q.next()) return std::nullopt;
  QueuedTest test{path, q.value(0).toLongLong(), std::nullopt};
  if (q.value(1).toBool()) {
    std::vector<QVariant> values;
    for (int i = 2; i < q.record().count(); ++i) values.push_back(q.value(i));
    test.values = std::move(values);
  }
  return test;
}

bool PlantOutbox::Done(const std::string& path, std::int64_t revision) {
  if (!Open()) return false;
  QSqlQuery q(QSqlDatabase::database(name_, false));
  q.prepare(QStringLiteral("DELETE FROM outbox WHERE path = ? AND revision = ?"));
  q.addBindValue(QString::fromStdString(path));
  q.addBindValue(static_cast<qlonglong>(revision));
  if (q.exec()) return true;
  lastError_ = "the test index cannot be written: " + q.lastError().text().toStdString();
  return false;
}

}  // namespace history
