#include "core/platform/local_file_system.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "core/platform/mounted_volumes.h"

namespace core {
namespace fs = std::filesystem;

namespace {

FileResult FromErrorCode(const std::error_code& ec) {
  if (!ec) return {};
  if (ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory) {
    return {FileError::PathNotFound, ec.message()};
  }
  if (ec == std::errc::permission_denied || ec == std::errc::operation_not_permitted ||
      ec == std::errc::read_only_file_system) {
    return {FileError::AccessDenied, ec.message()};
  }
  return {FileError::Other, ec.message()};
}

std::vector<std::string> SortedNames(const std::string& path, bool wantDirs) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeEc;
    bool isDir = it->is_directory(typeEc);
    bool isFile = it->is_regular_file(typeEc);
    std::string name = it->path().filename().string();
    if (name.empty() || name[0] == '.') continue;  // hidden files are not listed
    if ((wantDirs && isDir) || (!wantDirs && isFile)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

LocalFileSystem::LocalFileSystem(std::string workingDir, std::string homeDir)
    : current_(std::move(workingDir)), home_(std::move(homeDir)) {}

std::string LocalFileSystem::Resolve(const std::string& path) const {
  fs::path p(path);
  if (p.is_absolute()) return p.lexically_normal().string();
  return (fs::path(current_) / p).lexically_normal().string();
}

FileResult LocalFileSystem::ChangeDir(const std::string& path) {
  std::string target = Resolve(path);
  std::error_code ec;
  if (!fs::exists(target, ec)) return {FileError::PathNotFound, "path not found: " + target};
  if (!fs::is_directory(target, ec)) return {FileError::PathNotFound, "not a folder: " + target};
  // A folder we cannot enter or list is an access error, as a real chdir would report.
  fs::directory_iterator probe(target, ec);
  if (ec) return {FileError::AccessDenied, ec.message()};
  current_ = target;
  while (current_.size() > 1 && current_.back() == Separator()) current_.pop_back();
  return {};
}

bool LocalFileSystem::DirExists(const std::string& path) const {
  std::error_code ec;
  return fs::is_directory(Resolve(path), ec);
}

FileResult LocalFileSystem::MakeDir(const std::string& path) {
  std::error_code ec;
  fs::create_directory(Resolve(path), ec);  // one level: the parent must exist
  return FromErrorCode(ec);
}

// The home folder first, the stand-in for "C:\", then the mounted volumes.
std::vector<std::string> LocalFileSystem::ListDrives() const {
  std::vector<std::string> drives{RootFolder()};
  for (const std::string& volume : MountedVolumes()) {
    if (volume != RootFolder()) drives.push_back(volume);
  }
  return drives;
}

std::vector<std::string> LocalFileSystem::ListDirs(const std::string& path) const {
  return SortedNames(Resolve(path), true);
}

std::vector<std::string> LocalFileSystem::ListFiles(const std::string& path) const {
  return SortedNames(Resolve(path), false);
}

bool LocalFileSystem::FileExists(const std::string& path) const {
  std::error_code ec;
  return fs::is_regular_file(Resolve(path), ec);
}

bool LocalFileSystem::PathExists(const std::string& path) const {
  std::error_code ec;
  fs::file_status status = fs::symlink_status(Resolve(path), ec);
  // A path that cannot even be looked at (a folder on the way without rights) is there as far
  // as the operator is concerned: reading it is an access error.
  if (ec) return FromErrorCode(ec).error != FileError::PathNotFound;
  return fs::exists(status);
}

std::optional<std::string> LocalFileSystem::ReadFile(const std::string& path) const {
  std::string resolved = Resolve(path);
  std::error_code ec;
  // A folder opens as a stream on some systems and reads as empty: it is no file.
  if (!fs::is_regular_file(resolved, ec)) return std::nullopt;
  std::ifstream in(resolved, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream contents;
  contents << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return contents.str();
}

std::optional<FileStat> LocalFileSystem::Stat(const std::string& path) const {
  std::string resolved = Resolve(path);
  std::error_code ec;
  if (!fs::is_regular_file(resolved, ec)) return std::nullopt;
  std::uintmax_t size = fs::file_size(resolved, ec);
  if (ec) return std::nullopt;
  fs::file_time_type written = fs::last_write_time(resolved, ec);
  if (ec) return std::nullopt;
  auto sinceEpoch = std::chrono::file_clock::to_sys(written).time_since_epoch();
  return FileStat{static_cast<std::int64_t>(size),
                  std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count()};
}

FileResult LocalFileSystem::WriteFileReplacing(const std::string& path, const std::string& contents) {
  std::string target = Resolve(path);
  std::string temporary = target + ".part";
  {
    std::FILE* out = std::fopen(temporary.c_str(), "wb");
    if (!out) return FromErrorCode(std::error_code(errno, std::generic_category()));
    bool written = std::fwrite(contents.data(), 1, contents.size(), out) == contents.size();
    written = std::fflush(out) == 0 && written;
    int savedErrno = errno;
    written = std::fclose(out) == 0 && written;
    if (!written) {
      std::remove(temporary.c_str());
      return {FileError::Other, std::string("write failed: ") + std::strerror(savedErrno ? savedErrno : EIO)};
    }
  }
  std::error_code ec;
  fs::rename(temporary, target, ec);
  if (ec) std::remove(temporary.c_str());
  return FromErrorCode(ec);
}

std::string LocalFileSystem::DefaultLeakFolder() const {
  return (fs::path(home_) / "Leak").string();
}

char LocalFileSystem::Separator() const { return static_cast<char>(fs::path::preferred_separator); }

}  // namespace core
