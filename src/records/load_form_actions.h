#pragma once

#include <string>

#include "core/platform/dialogs.h"
#include "core/platform/file_system.h"
#include "records/load_form.h"
#include "records/selected_files.h"

namespace records {

// The handlers of the file selection window: browsing drives and folders, choosing files into
// List1, and confirming them into SelectedFiles while making SelectedPath the leak folder.
class LoadFormActions {
 public:
  LoadFormActions(LoadForm& form, SelectedFiles& selected, core::FileSystem& files,
                  core::Dialogs& dialogs);

  void Form_Load();
  void Drive1_Change();
  void Dir1_Change();
  void File1_Click();
  void List1_DblClick();
  void OKButton_Click();
  void RefreshFile_Click();
  void CancelButton_Click();

 private:
  // The folder open in Dir1 joined with a name by the platform's separator.
  std::string FullName(const std::string& name) const;
  void Confirm();
  void RefreshLists();
  void SelectDriveOfFolder();

  LoadForm& form_;
  SelectedFiles& selected_;
  core::FileSystem& files_;
  core::Dialogs& dialogs_;
  bool showingDrive_ = false;  // the drive list follows Dir1 without opening the drive
};

}  // namespace records
