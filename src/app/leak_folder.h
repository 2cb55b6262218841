#pragma once

#include "core/platform/dialogs.h"
#include "core/platform/file_system.h"
#include "records/load_form.h"

namespace app {

// Makes the leak-file folder the working directory at start-up, asking for a new folder to
// create when it is missing; "C:\" (the root stand-in) when the operator cancels.
class LeakFolder {
 public:
  LeakFolder(core::FileSystem& files, core::Dialogs& dialogs, records::LoadForm& loadForm)
      : files_(files), dialogs_(dialogs), loadForm_(loadForm) {}

  static constexpr const char* kAccessError = "Path / File access error.";

  void SetUp();

 private:
  void Prompt();
  void UseRoot();

  core::FileSystem& files_;
  core::Dialogs& dialogs_;
  records::LoadForm& loadForm_;
};

}  // namespace app
