#pragma once

#include <string>

#include "core/platform/file_system.h"

namespace core {

// The file system on disk. The working directory is kept here rather than in the process,
// so a session or a test can run in a folder of its own. Without drive letters the home
// folder stands in for "C:\" and its Leak subfolder for "C:\Leak".
class LocalFileSystem : public FileSystem {
 public:
  LocalFileSystem(std::string workingDir, std::string homeDir);

  std::string CurrentDir() const override { return current_; }
  FileResult ChangeDir(const std::string& path) override;
  bool DirExists(const std::string& path) const override;
  FileResult MakeDir(const std::string& path) override;
  std::vector<std::string> ListDrives() const override;
  std::vector<std::string> ListDirs(const std::string& path) const override;
  std::vector<std::string> ListFiles(const std::string& path) const override;
  bool FileExists(const std::string& path) const override;
  bool PathExists(const std::string& path) const override;
  std::optional<std::string> ReadFile(const std::string& path) const override;
  std::optional<FileStat> Stat(const std::string& path) const override;
  FileResult WriteFileReplacing(const std::string& path, const std::string& contents) override;
  std::string RootFolder() const override { return home_; }
  std::string DefaultLeakFolder() const override;
  char Separator() const override;

  // `path` made absolute against the working directory.
  std::string Resolve(const std::string& path) const;

 private:
  std::string current_;
  std::string home_;
};

}  // namespace core
