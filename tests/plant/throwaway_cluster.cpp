#include "plant/throwaway_cluster.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <pwd.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cstdlib>

namespace plant_test {

namespace {

constexpr const char* kServerUser = "postgres";
constexpr const char* kSuperuser = "kmadmin";

// A loopback port nobody listens on now.
int FreePort() {
  int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof addr;
  int port = 0;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 &&
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) == 0)
    port = ntohs(addr.sin_port);
  ::close(fd);
  return port;
}

QString FindBinDir() {
  if (QFileInfo::exists(QStringLiteral("/usr/lib/postgresql/15/bin/initdb")))
    return QStringLiteral("/usr/lib/postgresql/15/bin");
  QProcess config;
  config.start(QStringLiteral("pg_config"), {QStringLiteral("--bindir")});
  if (!config.waitForFinished(10000) || config.exitCode() != 0) return {};
  QString dir = QString::fromLocal8Bit(config.readAllStandardOutput()).trimmed();
  return QFileInfo::exists(dir + QStringLiteral("/initdb")) ? dir : QString();
}

}  // namespace

ThrowawayCluster::~ThrowawayCluster() {
  if (running_) Stop();
  if (!folder_.isEmpty()) QDir(folder_).removeRecursively();
}

QString ThrowawayCluster::Bin(const char* name) const {
  return binDir_ + u'/' + QString::fromLatin1(name);
}

bool ThrowawayCluster::Run(const QString& program, const QStringList& args, bool asServerUser) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  if (asServerUser && ::geteuid() == 0)
    process.start(QStringLiteral("runuser"),
                  QStringList{QStringLiteral("-u"), QString::fromLatin1(kServerUser),
                              QStringLiteral("--"), program} +
                      args);
  else
    process.start(program, args);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0) {
    why_ = QFileInfo(program).fileName().toStdString() +
           " failed: " + QString::fromLocal8Bit(process.readAll()).trimmed().toStdString() +
           (process.error() == QProcess::UnknownError ? "" : process.errorString().toStdString());
    return false;
  }
  return true;
}

bool ThrowawayCluster::Create() {
  binDir_ = FindBinDir();
  if (binDir_.isEmpty()) {
    why_ = "no PostgreSQL server programs (initdb) on this machine";
    return false;
  }
  char pattern[] = "/tmp/km-plant-XXXXXX";
  if (!::mkdtemp(pattern)) {
    why_ = "no temporary folder";
    return false;
  }
  folder_ = QString::fromLocal8Bit(pattern);
  if (::geteuid() == 0) {
    passwd* user = ::getpwnam(kServerUser);
    if (!user || ::chown(pattern, user->pw_uid, user->pw_gid) != 0) {
      why_ = "running as root and there is no postgres user to run the server as";
      return false;
    }
  }
  port_ = FreePort();
  QString data = folder_ + QStringLiteral("/data");
  if (!Run(Bin("initdb"),
           {QStringLiteral("-D"), data, QStringLiteral("-U"), QString::fromLatin1(kSuperuser),
            QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--auth-local=trust"),
            QStringLiteral("--auth-host=scram-sha-256"), QStringLiteral("--no-sync")},
           true))
    return false;
  QFile conf(data + QStringLiteral("/postgresql.conf"));
  if (!conf.open(QIODevice::Append)) {
    why_ = "postgresql.conf cannot be written";
    return false;
  }
  conf.write(QStringLiteral("listen_addresses = '127.0.0.1'\nport = %1\n"
                            "unix_socket_directories = '%2'\nfsync = off\n"
                            "max_connections = 20\nshared_buffers = 16MB\n")
                 .arg(port_)
                 .arg(folder_)
                 .toUtf8());
  conf.close();
  if (!Start()) return false;
  return Run(
      Bin("psql"),
      {QStringLiteral("-h"), folder_, QStringLiteral("-p"), QString::number(port_),
       QStringLiteral("-U"), QString::fromLatin1(kSuperuser), QStringLiteral("-d"),
       QStringLiteral("postgres"), QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"),
       QStringLiteral("-c"),
       QStringLiteral("CREATE ROLE kmuser LOGIN PASSWORD '%1'").arg(QString::fromLatin1(kPassword)),
       QStringLiteral("-c"), QStringLiteral("CREATE DATABASE plant OWNER kmuser")},
      true);
}

bool ThrowawayCluster::Start() {
  running_ = Run(Bin("pg_ctl"),
                 {QStringLiteral("-D"), folder_ + QStringLiteral("/data"), QStringLiteral("-l"),
                  folder_ + QStringLiteral("/server.log"), QStringLiteral("-w"),
                  QStringLiteral("-t"), QStringLiteral("30"), QStringLiteral("start")},
                 true);
  return running_;
}

bool ThrowawayCluster::Stop() {
  bool stopped = Run(Bin("pg_ctl"),
                     {QStringLiteral("-D"), folder_ + QStringLiteral("/data"), QStringLiteral("-m"),
                      QStringLiteral("fast"), QStringLiteral("-w"), QStringLiteral("stop")},
                     true);
  running_ = running_ && !stopped;
  return stopped;
}

bool ThrowawayCluster::Kill() {
  bool stopped = Run(Bin("pg_ctl"),
                     {QStringLiteral("-D"), folder_ + QStringLiteral("/data"), QStringLiteral("-m"),
                      QStringLiteral("immediate"), QStringLiteral("-w"), QStringLiteral("stop")},
                     true);
  running_ = running_ && !stopped;
  return stopped;
}

bool ThrowawayCluster::Hold(bool held) {
  QFile pidFile(folder_ + QStringLiteral("/data/postmaster.pid"));
  if (!pidFile.open(QIODevice::ReadOnly)) return false;
  pid_t pid = static_cast<pid_t>(pidFile.readLine().trimmed().toLongLong());
  return pid > 0 && ::kill(pid, held ? SIGSTOP : SIGCONT) == 0;
}

history::PlantSettings ThrowawayCluster::SettingsFor(const std::string& station) const {
  history::PlantSettings s;
  s.host = "127.0.0.1";
  s.port = port_;
  s.dbname = "plant";
  s.user = "kmuser";
  s.station = station;
  s.sslmode = "disable";
  return s;
}

std::vector<QStringList> ThrowawayCluster::Query(const QString& sql) const {
  std::vector<QStringList> rows;
  const QString name = QStringLiteral("km-plant-test-lookup");
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    db.setHostName(folder_);
    db.setPort(port_);
    db.setDatabaseName(QStringLiteral("plant"));
    db.setUserName(QString::fromLatin1(kSuperuser));
    QSqlQuery q(db);
    if (!db.open() || !q.exec(QStringLiteral("SET client_min_messages = warning")) || !q.exec(sql))
      ADD_FAILURE() << sql.toStdString() << ": " << db.lastError().text().toStdString()
                    << q.lastError().text().toStdString();
    while (q.next()) {
      QStringList row;
      for (int i = 0; i < q.record().count(); ++i) row << q.value(i).toString();
      rows.push_back(row);
    }
    db.close();
  }
  QSqlDatabase::removeDatabase(name);
  return rows;
}

QString ThrowawayCluster::Scalar(const QString& sql) const {
  std::vector<QStringList> rows = Query(sql);
  return rows.empty() || rows.front().empty() ? QString() : rows.front().front();
}

}  // namespace plant_test
