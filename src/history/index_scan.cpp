#include "history/index_scan.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "history/index_row_reader.h"

namespace history {
namespace {

bool EndsWithNoCase(const std::string& name, const std::string& ending) {
  if (name.size() < ending.size()) return false;
  return std::equal(ending.begin(), ending.end(), name.end() - ending.size(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
  });
}

}  // namespace

IndexScan::IndexScan(TestIndex& index, const core::FileSystem& files)
    : index_(index), files_(files) {}

bool IndexScan::IsTestFileName(const std::string& name) {
  if (name.size() < 4 ||
      !std::all_of(name.begin(), name.begin() + 4, [](char c) { return c >= '0' && c <= '9'; })) {
    return false;
  }
  for (const char* derived : {".pdf", ".csv", ".png", ".part", ".txt"}) {
    if (EndsWithNoCase(name, derived)) return false;
  }
  return true;
}

std::string IndexScan::PathOf(const std::string& folder, const std::string& name) const {
  if (!folder.empty() && folder.back() == files_.Separator()) return folder + name;
  return folder + files_.Separator() + name;
}

void IndexScan::Start(std::vector<std::string> folders) {
  plan_.clear();
  next_ = 0;
  summary_ = {};
  error_.clear();
  std::vector<std::string> gone;
  for (const std::string& folder : folders) PlanFolder(folder, gone);
  running_ = !plan_.empty();
  if (gone.empty()) return;
  if (IndexResult removed = index_.Remove(gone)) {
    summary_.removed = static_cast<int>(gone.size());
  } else {
    error_ = removed.message;
  }
}

void IndexScan::PlanFolder(const std::string& folder, std::vector<std::string>& gone) {
  // An empty listing of a folder that is not there says nothing about its files.
  if (!files_.DirExists(folder)) return;
  std::vector<std::string> names = files_.ListFiles(folder);
  if (!files_.DirExists(folder)) return;
  std::map<std::string, FileStamp> indexed;
  for (auto& [path, stamp] : index_.StampsIn(folder)) indexed.emplace(std::move(path), stamp);
  for (const std::string& name : names) {
    if (!IsTestFileName(name)) continue;
    std::string path = PathOf(folder, name);
    std::optional<core::FileStat> stat = files_.Stat(path);
    if (!stat) continue;  // gone since the listing: its row, if any, goes below
    FileStamp stamp{stat->size, stat->modifiedMs};
    auto row = indexed.find(path);
    bool known = row != indexed.end();
    if (known) {
      bool unchanged = row->second == stamp;
      indexed.erase(row);
      if (unchanged) continue;
    }
    plan_.push_back({std::move(path), stamp, known});
  }
  for (auto& entry : indexed) gone.push_back(entry.first);
}

bool IndexScan::Step(int maxFiles) {
  if (!running_) return false;
  std::vector<TestIndexRow> rows;
  std::vector<std::string> gone;
  ScanSummary read;
  std::size_t end = std::min(plan_.size(), next_ + static_cast<std::size_t>(std::max(maxFiles, 1)));
  for (std::size_t i = next_; i < end; ++i) {
    const Planned& file = plan_[i];
    std::optional<std::string> text = files_.ReadFile(file.path);
    if (!text) {
      // Gone since the listing, or not readable now: a later scan looks again.
      if (file.known && !files_.FileExists(file.path)) gone.push_back(file.path);
      continue;
    }
    rows.push_back(IndexRowOf(file.path, *text, file.stamp));
    ++(file.known ? read.changed : read.added);
    if (!rows.back().damage.empty()) ++read.damaged;
  }
  IndexResult written = index_.RecordAll(rows);
  if (written && !gone.empty()) written = index_.Remove(gone);
  if (!written) {
    error_ = written.message;
    Cancel();
    return false;
  }
  next_ = end;
  summary_.added += read.added;
  summary_.changed += read.changed;
  summary_.damaged += read.damaged;
  summary_.removed += static_cast<int>(gone.size());
  running_ = next_ < plan_.size();
  return running_;
}

void IndexScan::Cancel() { running_ = false; }

}  // namespace history
