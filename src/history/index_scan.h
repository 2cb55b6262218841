#pragma once

#include <string>
#include <vector>

#include "core/platform/file_system.h"
#include "history/test_index.h"

namespace history {

// What a scan did: files indexed for the first time, files read again because their size or
// modification time changed, rows of files that are gone, and how many of the files read
// could not be read as test data files (they count as added or changed as well).
struct ScanSummary {
  int added = 0;
  int changed = 0;
  int removed = 0;
  int damaged = 0;
  bool operator==(const ScanSummary&) const = default;
};

// Brings the test index up to date with the test data files of a list of folders. It runs on
// the user-interface thread a few files at a time, so packets keep being handled between the
// steps: Start lists the folders and plans, each Step reads and records a batch in one
// transaction. Only new and changed files are read; a folder that cannot be looked at (an
// unplugged network share) keeps its rows.
class IndexScan {
 public:
  IndexScan(TestIndex& index, const core::FileSystem& files);

  void Start(std::vector<std::string> folders);
  // Reads and records up to `maxFiles` planned files; whether work remains.
  bool Step(int maxFiles);
  // Stops after the last finished step; the index stays as that step left it.
  void Cancel();

  bool Running() const { return running_; }
  int Done() const { return static_cast<int>(next_); }
  int Total() const { return static_cast<int>(plan_.size()); }
  const ScanSummary& Summary() const { return summary_; }
  // Why the last write to the index failed, which ends the scan; empty when none did.
  const std::string& LastError() const { return error_; }

  // A test data file's name: month and day first, and none of the files made from one.
  static bool IsTestFileName(const std::string& name);

 private:
  struct Planned {
    std::string path;
    FileStamp stamp;
    bool known = false;  // it has a row already
  };
  void PlanFolder(const std::string& folder, std::vector<std::string>& gone);
  std::string PathOf(const std::string& folder, const std::string& name) const;

  TestIndex& index_;
  const core::FileSystem& files_;
  std::vector<Planned> plan_;
  std::size_t next_ = 0;
  bool running_ = false;
  ScanSummary summary_;
  std::string error_;
};

}  // namespace history
