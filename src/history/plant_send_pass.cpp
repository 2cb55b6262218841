#include "history/plant_send_pass.h"

#include "history/index_row_columns.h"

#include <QFile>
#include <QSqlDriver>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <optional>

#include "history/plant_schema.h"
#include "records/test_file_reader.h"

namespace history {

namespace {

// Rows per INSERT: a whole test (771 lines) in one statement.
constexpr std::size_t kLinesPerInsert = 1000;

std::optional<std::string> FileText(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return bytes.toStdString();
}

std::vector<records::DataLine> DataLinesOf(const std::string& text) {
  try {
    return records::ReadTestFile(text).data;
  } catch (const records::TestFileError&) {
    return {};  // a damaged file goes with its row and no lines
  }
}

QString Literal(const QSqlDriver* driver, const QString& text) {
  QSqlField field(QStringLiteral("v"), QMetaType(QMetaType::QString));
  field.setValue(text);
  return driver->formatValue(field);
}

}  // namespace

PlantSendPass::PlantSendPass(std::string indexPath, PlantSettings settings, PlantSendHooks hooks)
    : outbox_(std::move(indexPath)), server_(std::move(settings)), hooks_(std::move(hooks)) {}

PlantPassResult PlantSendPass::SendPendingOnce(const std::string& indexPath,
                                               const PlantSettings& settings,
                                               const PlantSendHooks& hooks) {
  PlantSendPass pass(indexPath, settings, hooks);
  return pass.Run();
}

PlantPassResult PlantSendPass::Run() {
  PlantPassResult result;
  waitReason_.clear();
  std::vector<std::string> paths = outbox_.QueuedPaths();
  if (!server_.Connect()) {
    result.state = server_.Failure().state;
    result.error = server_.Failure().reason;
    result.queued = outbox_.Count();
    return result;
  }
  for (const std::string& path : paths) {
    if (hooks_.stopRequested && hooks_.stopRequested()) break;
    Outcome outcome = SendOne(path);
    if (outcome == Outcome::CutOff) break;
    if (outcome == Outcome::ServerFailed) {
      result.state = server_.Failure().state;
      result.error = server_.Failure().reason;
      break;
    }
    if (outcome == Outcome::Sent) {
      ++result.sent;
      if (hooks_.progress) hooks_.progress(result.sent, outbox_.Count());
    }
  }
  result.queued = outbox_.Count();
  if (result.error.empty()) result.error = waitReason_;
  if (result.error.empty()) result.error = outbox_.LastError();
  return result;
}

PlantSendPass::Outcome PlantSendPass::SendOne(const std::string& path) {
  std::optional<QueuedTest> test = outbox_.Take(path);
  if (!test) return Outcome::Dropped;
  if (!test->values) {  // the row left the index: nothing to send
    outbox_.Done(path, test->revision);
    return Outcome::Dropped;
  }
  std::optional<std::string> text = FileText(path);
  if (!text) {  // a share that is away: the test waits for it
    waitReason_ = "cannot read " + path;
    return Outcome::Waiting;
  }
  QSqlDatabase db = server_.Database();
  if (!db.transaction()) {
    server_.Fail(db.lastError());
    return Outcome::ServerFailed;
  }
  QSqlError error;
  if (!WriteTest(*test, *text, error)) {
    db.rollback();
    if (server_.Answers()) {  // this test's data, not the server: the others go on
      waitReason_ = "the server refused " + path;
      return Outcome::Waiting;
    }
    server_.Fail(error);
    return Outcome::ServerFailed;
  }
  if (hooks_.beforeCommit && !hooks_.beforeCommit(path)) {
    server_.Drop();
    return Outcome::CutOff;
  }
  if (!db.commit()) {
    server_.Fail(db.lastError());
    return Outcome::ServerFailed;
  }
  if (hooks_.afterCommit && !hooks_.afterCommit(path)) {
    server_.Drop();
    return Outcome::CutOff;
  }
  outbox_.Done(path, test->revision);
  return Outcome::Sent;
}

// Upserts the row, then replaces its data lines; `error` tells what failed.
bool PlantSendPass::WriteTest(const QueuedTest& test, const std::string& fileText,
                              QSqlError& error) {
  QSqlDatabase db = server_.Database();
  QString station = QString::fromStdString(server_.Settings().station);
  QString path = QString::fromStdString(test.path);
  QSqlQuery q(db);
  auto failed = [&] {
    error = q.lastError();
    return false;
  };
  q.prepare(PlantSchema::UpsertTestStatement());
  q.addBindValue(station);
  q.addBindValue(path);
  for (const QVariant& v : *test.values) q.addBindValue(v);
  if (!q.exec()) return failed();
  q.prepare(QStringLiteral("DELETE FROM plant_data_lines WHERE station = ? AND path = ?"));
  q.addBindValue(station);
  q.addBindValue(path);
  if (!q.exec()) return failed();
  std::vector<records::DataLine> lines = DataLinesOf(fileText);
  QString key = Literal(db.driver(), station) + u',' + Literal(db.driver(), path) + u',';
  for (std::size_t first = 0; first < lines.size(); first += kLinesPerInsert) {
    QString sql = QStringLiteral(
        "INSERT INTO plant_data_lines (station, path, line_no, chart_x, chart_y,"
        " temp_comp_offset, status) VALUES ");
    for (std::size_t i = first; i < std::min(lines.size(), first + kLinesPerInsert); ++i) {
      const records::DataLine& l = lines[i];
      if (i > first) sql += u',';
      sql += u'(' + key + QStringLiteral("%1,%2,%3,%4,").arg(i).arg(l.x).arg(l.y).arg(l.offset) +
             Literal(db.driver(), QString::fromStdString(l.status)) + u')';
    }
    if (!q.exec(sql)) return failed();
  }
  return true;
}

PlantRowsAnswer PlantSendPass::FetchPlantRows() {
  PlantRowsAnswer answer;
  if (!server_.Connect()) {
    answer.error = server_.Failure().reason;
    return answer;
  }
  QSqlQuery q(server_.Database());
  q.setForwardOnly(true);
  if (!q.exec(PlantSchema::PlantRowsQuery())) {
    server_.Fail(q.lastError());
    answer.error = server_.Failure().reason;
    return answer;
  }
  IndexRowColumns columns(q.record());
  while (q.next()) answer.rows.push_back(columns.Read(q));
  answer.ok = true;
  return answer;
}

}  // namespace history
