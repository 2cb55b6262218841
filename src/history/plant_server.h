#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <string>

#include "history/plant_settings.h"
#include "history/plant_status.h"

namespace history {

// Why the server could not be used, for the notice line.
struct PlantFailure {
  PlantState state = PlantState::Unreachable;  // Unreachable or Refused
  std::string reason;                          // short, one line
};

// One connection to the plant database server (Qt's QPSQL driver), made, used and closed on
// the thread that owns this object. Its waits are bounded: a connect timeout, TCP keepalives,
// a TCP user timeout and a statement timeout, so that a server that stops answering ends a
// call within seconds instead of holding the sender.
class PlantServer {
 public:
  explicit PlantServer(PlantSettings settings);
  ~PlantServer();
  PlantServer(const PlantServer&) = delete;
  PlantServer& operator=(const PlantServer&) = delete;

  // Connects when not connected and creates the plant tables when missing. false: see Failure().
  bool Connect();
  QSqlDatabase Database() const;
  // Records a failure of the connection and closes it; the next Connect() starts afresh.
  void Fail(const QSqlError& error);
  // Closes without a failure (the pass was cut off): the server rolls back what was open.
  void Drop();
  // Whether the connection still answers after a statement failed.
  bool Answers();
  const PlantFailure& Failure() const { return failure_; }
  const PlantSettings& Settings() const { return settings_; }

  // A libpq message cut to its cause, and whether it says the server refused this user.
  static PlantFailure Classify(const QString& message);

 private:
  PlantSettings settings_;
  QString name_;
  PlantFailure failure_;
};

}  // namespace history
