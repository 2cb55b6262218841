#include "history/plant_server.h"

#include <QSqlQuery>
#include <QStringList>

#include "history/plant_schema.h"
#include "history/sql_connection.h"

namespace history {

namespace {

// Seconds; libpq's connect_timeout counts per address tried.
constexpr int kConnectTimeoutS = 3;
constexpr int kStatementTimeoutMs = 15000;

QString ConnectOptions(const PlantSettings& s) {
  QStringList options = {QStringLiteral("connect_timeout=%1").arg(kConnectTimeoutS),
                         QStringLiteral("keepalives=1"),
                         QStringLiteral("keepalives_idle=5"),
                         QStringLiteral("keepalives_interval=2"),
                         QStringLiteral("keepalives_count=2"),
                         QStringLiteral("tcp_user_timeout=%1").arg(kStatementTimeoutMs),
                         QStringLiteral("application_name=km4400")};
  if (!s.sslmode.empty()) options << QStringLiteral("sslmode=") + QString::fromStdString(s.sslmode);
  return options.join(u';');
}

}  // namespace

PlantServer::PlantServer(PlantSettings settings)
    : settings_(std::move(settings)),
      name_(QStringLiteral("km-plant-server-%1").arg(reinterpret_cast<quintptr>(this))) {}

PlantServer::~PlantServer() { CloseConnection(name_); }

bool PlantServer::Connect() {
  if (!QSqlDatabase::contains(name_)) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name_);
    db.setHostName(QString::fromStdString(settings_.host));
    db.setPort(settings_.port);
    db.setDatabaseName(QString::fromStdString(settings_.dbname));
    db.setUserName(QString::fromStdString(settings_.user));
    db.setConnectOptions(ConnectOptions(settings_));
  }
  QSqlDatabase db = Database();
  if (db.isOpen() && Answers()) return true;
  db.close();  // an idle connection the server has since closed
  if (!db.isValid()) {
    failure_ = {PlantState::Unreachable, "the PostgreSQL driver of Qt (QPSQL) is not installed"};
    return false;
  }
  if (!db.open()) {
    Fail(db.lastError());
    return false;
  }
  QSqlQuery q(db);
  // Notices (a table that already exists) would only fill the program's error output.
  if (!q.exec(QStringLiteral("SET statement_timeout = %1; SET client_min_messages = warning")
                  .arg(kStatementTimeoutMs))) {
    Fail(q.lastError());
    return false;
  }
  for (const char* create : PlantSchema::CreateStatements()) {
    if (!q.exec(QString::fromLatin1(create))) {
      Fail(q.lastError());
      return false;
    }
  }
  failure_ = {};
  return true;
}

QSqlDatabase PlantServer::Database() const { return QSqlDatabase::database(name_, false); }

void PlantServer::Fail(const QSqlError& error) {
  QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
  failure_ = Classify(text);
  Drop();
}

void PlantServer::Drop() {
  if (QSqlDatabase::contains(name_)) Database().close();
}

bool PlantServer::Answers() {
  QSqlQuery q(Database());
  return q.exec(QStringLiteral("SELECT 1"));
}

PlantFailure PlantServer::Classify(const QString& message) {
  QString first = message.trimmed().section(u'\n', 0, 0).trimmed();
  qsizetype cut = first.lastIndexOf(QStringLiteral("failed: "));
  if (cut >= 0) first = first.mid(cut + 8);
  first.remove(QStringLiteral("FATAL:")).remove(QStringLiteral("ERROR:"));
  first = first.simplified();
  if (first.isEmpty()) first = QStringLiteral("no answer from the server");
  static const char* const kRefusals[] = {"password", "authentication", "pg_hba.conf",
                                          "does not exist", "permission denied"};
  PlantState state = PlantState::Unreachable;
  for (const char* r : kRefusals)
    if (first.contains(QString::fromLatin1(r), Qt::CaseInsensitive)) state = PlantState::Refused;
  return {state, first.toStdString()};
}

}  // namespace history
