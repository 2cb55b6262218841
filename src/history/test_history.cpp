#include "history/test_history.h"

#include <exception>

#include "history/index_row_reader.h"

namespace history {

TestHistory::~TestHistory() = default;

std::string TestHistory::DatabasePath() const {
  if (dataFolder_.empty()) return {};
  return dataFolder_ + files_.Separator() + kDatabaseName;
}

TestIndex* TestHistory::Index() {
  if (index_) return index_.get();
  if (dataFolder_.empty()) {
    problem_ = "it has no data folder";
    return nullptr;
  }
  auto index = std::make_unique<TestIndex>(DatabasePath());
  if (!index->Opened()) {
    problem_ = index->LastError();
    return nullptr;
  }
  problem_.clear();
  std::vector<std::string> folders = index->Folders();
  knownFolders_ = {folders.begin(), folders.end()};
  index_ = std::move(index);
  return index_.get();
}

IndexScan* TestHistory::Scan() {
  if (!scan_) {
    TestIndex* index = Index();
    if (!index) return nullptr;
    scan_ = std::make_unique<IndexScan>(*index, files_);
  }
  return scan_.get();
}

bool TestHistory::UsePlant(const PlantSettings& settings) {
  // The index is made first, so the sender finds its outbox there.
  TestIndex* index = Index();
  if (!index) return false;
  index->SetQueueForPlant(true);
  if (IndexResult queued = index->QueueEverythingFor(settings.DescribeForNotice()); !queued) {
    problem_ = queued.message;
    return false;
  }
  station_ = settings.station;
  plant_ = std::make_unique<PlantSender>(DatabasePath(), settings);
  plant_->Start();
  return true;
}

void TestHistory::WakePlant() {
  if (plant_) plant_->Wake();
}

void TestHistory::StopPlant() {
  if (plant_) plant_->Stop();
}

std::string TestHistory::Recorded(const std::string& path, const std::string& contents,
                                  TestIndexRow& row) {
  // The test is already safe in its file: whatever happens here only leaves the index behind,
  // and the next opening of the history catches up.
  try {
    TestIndex* index = Index();
    if (!index) return problem_;
    std::optional<core::FileStat> stat = files_.Stat(path);
    FileStamp stamp{stat ? stat->size : static_cast<std::int64_t>(contents.size()),
                    stat ? stat->modifiedMs : 0};
    std::size_t cut = path.find_last_of(files_.Separator());
    // A folder goes in once, not with every save: a save costs one write of the index.
    if (cut != std::string::npos && knownFolders_.insert(path.substr(0, cut)).second) {
      index->AddFolder(path.substr(0, cut));
    }
    row = IndexRowOf(path, contents, stamp);
    IndexResult result = index->Record(row);
    if (!result) return result.message;
    WakePlant();
    return {};
  } catch (const std::exception& error) {
    return error.what();
  }
}

}  // namespace history
