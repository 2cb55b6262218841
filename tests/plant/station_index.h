#pragma once

#include <QString>
#include <QTemporaryDir>
#include <string>

namespace plant_test {

// A station's test index as the index writes it (tests, folders, outbox), in a folder of its
// own with the station's test data files: each saved test bumps its row's revision and queues
// it in the outbox in one transaction.
class StationIndex {
 public:
  StationIndex();
  ~StationIndex();
  StationIndex(const StationIndex&) = delete;
  StationIndex& operator=(const StationIndex&) = delete;

  std::string Path() const;
  std::string Folder() const;

  // Writes a test data file `name` with `lines` data lines (a damaged one when `lines` is 0)
  // and records and queues its row; returns the file's path.
  std::string SaveTest(const std::string& name, int partNumber, int lines);
  void RemoveRow(const std::string& path);
  int Queued() const;
  long long RevisionOf(const std::string& path) const;

 private:
  void Exec(const QString& sql, const QVariantList& values = {}) const;

  QTemporaryDir folder_;
  QString name_;
};

}  // namespace plant_test
