#pragma once

#include <QString>
#include <QVariant>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace history {

// One queued test as the index holds it now.
struct QueuedTest {
  std::string path;
  std::int64_t revision = 0;  // the outbox entry's revision
  // The row's values in PlantSchema::ValueColumns() order; none when the row is gone.
  std::optional<std::vector<QVariant>> values;
};

// The station's test index as the plant sender sees it: its outbox of tests to send and the
// rows they name. Its own SQLite connection, made, used and closed on the owning thread; an
// index file that does not exist yet has nothing queued (and is not created here).
class PlantOutbox {
 public:
  explicit PlantOutbox(std::string indexPath);
  ~PlantOutbox();
  PlantOutbox(const PlantOutbox&) = delete;
  PlantOutbox& operator=(const PlantOutbox&) = delete;

  std::vector<std::string> QueuedPaths();
  int Count();
  // The entry and its row read together, so the revision matches the values; none when the
  // entry is gone.
  std::optional<QueuedTest> Take(const std::string& path);
  // Removes the entry when its revision is still the one sent: a newer write stays queued.
  bool Done(const std::string& path, std::int64_t revision);
  const std::string& LastError() const { return lastError_; }

 private:
  bool Open();

  std::string indexPath_;
  QString name_;
  std::string lastError_;
};

}  // namespace history
