#pragma once

#include <memory>
#include <string>

#include "core/platform/file_system.h"
#include "history/index_scan.h"
#include "history/test_index.h"

namespace history {

// The station's test history: the index in the program's data folder, opened when first
// needed, and the scan that brings it up to date with the folders it knows.
class TestHistory {
 public:
  static constexpr const char* kDatabaseName = "test-history.sqlite";

  explicit TestHistory(const core::FileSystem& files) : files_(files) {}
  ~TestHistory();

  // Where the index lives; without a data folder the history is off.
  void UseDataFolder(const std::string& folder) { dataFolder_ = folder; }
  const std::string& DataFolder() const { return dataFolder_; }
  std::string DatabasePath() const;

  // The index, opened on first use; nullptr when it cannot be (Problem() says why).
  TestIndex* Index();
  IndexScan* Scan();
  const std::string& Problem() const { return problem_; }

  // A test data file has just been written: its row goes in at once, and its folder becomes
  // one the history knows. Returns empty text, or why the index could not take the row.
  std::string Recorded(const std::string& path, const std::string& contents);

 private:
  const core::FileSystem& files_;
  std::string dataFolder_;
  std::string problem_;
  std::unique_ptr<TestIndex> index_;
  std::unique_ptr<IndexScan> scan_;
};

}  // namespace history
