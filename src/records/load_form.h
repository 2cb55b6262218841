#pragma once

#include <string>

#include "core/text_box.h"
#include "core/window.h"

namespace records {

// LoadForm, "Open File For Graphing or Printing": the leak-file folder and the test files chosen
// for graphing and reports. Dir1 holds the folder open in the folder list.
class LoadForm : public core::Window {
 public:
  explicit LoadForm(const std::string& defaultLeakFolder);

  static constexpr const char* kLeakFolderFrame = "Folder Where Leak Files Saved";

  core::TextBox SelectedPath;
  core::TextBox Dir1{"Dir1", "", true};
};

}  // namespace records
