#pragma once

#include <filesystem>

namespace session {

// A fresh folder of its own under the system's temporary folder, removed with everything in
// it when the session ends unless it is to be kept for a look afterwards.
class TempFolder {
 public:
  explicit TempFolder(bool keep);
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
  bool keep_;
};

}  // namespace session
