#pragma once

#include <memory>
#include <set>
#include <string>

#include "core/platform/file_system.h"
#include "history/index_scan.h"
#include "history/plant_sender.h"
#include "history/plant_settings.h"
#include "history/test_index.h"

namespace history {

// The station's test history: the index in the program's data folder, opened when first
// needed, and the scan that brings it up to date with the folders it knows.
class TestHistory {
 public:
  static constexpr const char* kDatabaseName = "test-history.sqlite";

  explicit TestHistory(const core::FileSystem& files) : files_(files) {}
  ~TestHistory();
  TestHistory(const TestHistory&) = delete;
  TestHistory& operator=(const TestHistory&) = delete;

  // Where the index lives; without a data folder the history is off.
  void UseDataFolder(const std::string& folder) { dataFolder_ = folder; }
  const std::string& DataFolder() const { return dataFolder_; }
  std::string DatabasePath() const;

  // The index, opened on first use; nullptr when it cannot be (Problem() says why, in words
  // that follow "the test history cannot be opened: ").
  TestIndex* Index();
  IndexScan* Scan();
  // An update of the index is under way (never opens the index to find out).
  bool Scanning() const { return scan_ && scan_->Running(); }
  const std::string& Problem() const { return problem_; }

  // Sends every indexed test to the plant database as well, from now on; false (Problem()
  // says why) when the index cannot be opened.
  bool UsePlant(const PlantSettings& settings);
  PlantSender* Plant() { return plant_.get(); }
  const std::string& Station() const { return station_; }
  // Something new is queued for the plant database.
  void WakePlant();
  // Ends the sending (the program ends); what is queued waits in the index for the next run.
  void StopPlant();

  // A test data file has just been written: its row (also given back in `row`) goes in at
  // once, and its folder becomes one the history knows. Returns empty text, or why the index
  // could not take the row.
  std::string Recorded(const std::string& path, const std::string& contents, TestIndexRow& row);

 private:
  const core::FileSystem& files_;
  std::string dataFolder_;
  std::string problem_;
  std::unique_ptr<TestIndex> index_;
  std::unique_ptr<IndexScan> scan_;
  std::set<std::string> knownFolders_;  // read from the index when it opens
  std::string station_;
  std::unique_ptr<PlantSender> plant_;  // last: its worker reads the index file
};

}  // namespace history
