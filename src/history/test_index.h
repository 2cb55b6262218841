#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "history/test_index_row.h"

namespace history {

// What cannot be done with the index, in words for the operator.
struct IndexResult {
  bool ok = true;
  std::string message;
  explicit operator bool() const { return ok; }
};

// The test index: one row per test data file, kept in an SQLite database file of the
// program's data folder (never in a leak folder: those are often network shares). It also
// holds the folders the history knows and the outbox of tests still to be sent to the plant
// database: every row written while sending is on is queued in the same transaction.
// Everything in it is derived from the files and can be rebuilt from them.
class TestIndex {
 public:
  // Opens (creating when needed) the database file; a file that is not a usable index is
  // set aside as "<name>.damaged" and a new one started. Check Opened() afterwards.
  explicit TestIndex(const std::string& databasePath);
  ~TestIndex();
  TestIndex(const TestIndex&) = delete;
  TestIndex& operator=(const TestIndex&) = delete;

  bool Opened() const;
  // Why the index could not be opened or the last write failed.
  const std::string& LastError() const;
  const std::string& DatabasePath() const;

  // Writes (inserts or replaces) a row, and queues it for the plant database when sending is on.
  IndexResult Record(const TestIndexRow& row);
  // Several rows in one transaction (the scan's batches).
  IndexResult RecordAll(const std::vector<TestIndexRow>& rows);
  IndexResult Remove(const std::vector<std::string>& paths);

  std::vector<TestIndexRow> AllRows() const;
  std::optional<TestIndexRow> RowOf(const std::string& path) const;
  // path -> stamp of every row under a folder (directly in it), for the incremental scan.
  std::vector<std::pair<std::string, FileStamp>> StampsIn(const std::string& folder) const;

  // The folders the history scans when it is opened.
  std::vector<std::string> Folders() const;
  IndexResult AddFolder(const std::string& folder);

  // Sending to the plant database: when on, Record queues each row in the outbox.
  void SetQueueForPlant(bool on);
  bool QueueForPlant() const;
  // Queues every row once for a plant database not sent to before (`target` names the server
  // and the station), so that a station given one later sends its whole history too.
  IndexResult QueueEverythingFor(const std::string& target);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace history
