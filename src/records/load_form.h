#pragma once

#include <string>

#include "core/button.h"
#include "core/folder_list.h"
#include "core/list_box.h"
#include "core/text_box.h"
#include "core/window.h"

namespace records {

// LoadForm, "Open File For Graphing or Printing": drives, folders and files to choose test
// files from, the list of chosen names, and the leak-file folder. Dir1's text is the folder
// open in the folder list.
class LoadForm : public core::Window {
 public:
  explicit LoadForm(const std::string& defaultLeakFolder);

  static constexpr const char* kLeakFolderFrame = "Folder Where Leak Files Saved";

  core::ListBox Drive1{"Drive1"};
  core::FolderList Dir1{"Dir1"};
  core::ListBox File1{"File1"};
  core::CaptionBox Label1{"Label1", "Files To Be Printed"};
  core::ListBox List1{"List1"};
  core::TextBox SelectedPath;
  core::Button RefreshFile{"RefreshFile", "Refresh"};
  core::Button OKButton{"OKButton", "OK"};
  core::Button CancelButton{"CancelButton", "Cancel"};
};

}  // namespace records
