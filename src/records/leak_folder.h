#pragma once

#include <string>

#include "core/platform/dialogs.h"
#include "core/platform/file_system.h"
#include "records/load_form.h"

namespace records {

// Makes the folder in LoadForm.SelectedPath the current leak-file folder,
// asking for a new folder to create when it is missing; "C:\" (the root stand-in) when the
// operator cancels or the folder cannot be made. Start-up and the file selection window ask
// under their own titles.
class LeakFolder {
 public:
  LeakFolder(core::FileSystem& files, core::Dialogs& dialogs, LoadForm& loadForm)
      : files_(files), dialogs_(dialogs), loadForm_(loadForm) {}

  static constexpr const char* kAccessError = "Path / File access error.";
  static constexpr const char* kStartUpTitle = "Path Where KM4400 Leak Files Will Be Saved";
  static constexpr const char* kNotFoundTitle = "Path Not Found";

  void MakeLeakFolderCurrent(const std::string& promptTitle);

 private:
  void Prompt(const std::string& title);
  void UseRoot();

  core::FileSystem& files_;
  core::Dialogs& dialogs_;
  LoadForm& loadForm_;
};

}  // namespace records
