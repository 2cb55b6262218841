#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "history/plant_settings.h"

namespace plant_test {

// A PostgreSQL cluster of its own in a temporary folder, for the plant database tests: a Unix
// socket in that folder for the tests' own look-ups, a free loopback port with password
// (scram-sha-256) log-in for the sender, a role kmuser and a database plant. Run as the
// postgres user when the tests run as root, as PostgreSQL refuses root.
class ThrowawayCluster {
 public:
  static constexpr const char* kPassword = "km-plant-secret";

  ThrowawayCluster() = default;
  ~ThrowawayCluster();  // stops the server and removes the folder
  ThrowawayCluster(const ThrowawayCluster&) = delete;
  ThrowawayCluster& operator=(const ThrowawayCluster&) = delete;

  // initdb, start, role and database; false: Why() says what is missing or failed.
  bool Create();
  const std::string& Why() const { return why_; }

  bool Start();
  bool Stop();  // fast shutdown
  bool Kill();  // immediate shutdown: no checkpoint, as if the machine went away
  // Holds the server's main process (SIGSTOP): connections are accepted by the system but
  // never answered, as with a server that hangs. Hold(false) lets it go on.
  bool Hold(bool held);

  history::PlantSettings SettingsFor(const std::string& station) const;
  // Rows of a query run as the cluster's superuser over the socket, each column as text.
  std::vector<QStringList> Query(const QString& sql) const;
  // The first column of the first row, or "" when the query gave none.
  QString Scalar(const QString& sql) const;

 private:
  bool Run(const QString& program, const QStringList& args, bool asServerUser);
  QString Bin(const char* name) const;

  std::string why_;
  QString folder_;
  QString binDir_;
  int port_ = 0;
  bool running_ = false;
};

}  // namespace plant_test
