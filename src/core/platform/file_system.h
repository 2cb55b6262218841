#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace core {

// Why a folder or file operation failed, as the start-up error rule tells them apart.
enum class FileError { None, PathNotFound, AccessDenied, Other };

struct FileResult {
  FileError error = FileError::None;
  std::string message;
  explicit operator bool() const { return error == FileError::None; }
};

// The file system as the program uses it. Paths are native; `DisplayPath` shows the
// design's drive-letter names ("C:\Leak", "C:\") in the platform's form.
// A file's size and last modification time, which tell whether it changed since it was read.
struct FileStat {
  std::int64_t size = 0;
  std::int64_t modifiedMs = 0;  // ms since the epoch
  bool operator==(const FileStat&) const = default;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual std::string CurrentDir() const = 0;
  virtual FileResult ChangeDir(const std::string& path) = 0;
  virtual bool DirExists(const std::string& path) const = 0;
  virtual FileResult MakeDir(const std::string& path) = 0;
  virtual std::vector<std::string> ListDrives() const = 0;
  virtual std::vector<std::string> ListDirs(const std::string& path) const = 0;
  virtual std::vector<std::string> ListFiles(const std::string& path) const = 0;

  // An ordinary file is there.
  virtual bool FileExists(const std::string& path) const = 0;
  // Anything is there (a file, a folder, something that cannot be looked at): a read that
  // fails on such a path is an access error, not a missing file.
  virtual bool PathExists(const std::string& path) const = 0;
  // The whole file, or nothing when it cannot be read; relative paths are against CurrentDir.
  virtual std::optional<std::string> ReadFile(const std::string& path) const = 0;
  // The size and modification time of an ordinary file, or nothing when there is none.
  virtual std::optional<FileStat> Stat(const std::string& path) const = 0;
  // Writes the whole file beside its target, then replaces the target, so a failed write
  // never leaves a half-written file in place of a good one.
  virtual FileResult WriteFileReplacing(const std::string& path, const std::string& contents) = 0;

  // The native name of the design's "C:\" and "C:\Leak".
  virtual std::string RootFolder() const = 0;
  virtual std::string DefaultLeakFolder() const = 0;
  virtual char Separator() const = 0;
};

}  // namespace core
