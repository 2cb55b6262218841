#pragma once

#include <string>
#include <vector>

#include "core/text_box.h"

namespace core {

// A folder list: its text is the folder open in it, and it lists that folder's subfolders.
// Opening a folder writes the text, which runs the change action as any box does; the
// operator opens folders from the list, never by typing.
class FolderList : public TextBox {
 public:
  explicit FolderList(std::string name) : TextBox(std::move(name), "", true) {}

  const std::string& Path() const { return Text(); }
  void Open(const std::string& path) { SetText(path); }

  // The subfolders of the open folder, as their owner last listed them.
  const std::vector<std::string>& Folders() const { return folders_; }
  void SetFolders(std::vector<std::string> folders);

 private:
  std::vector<std::string> folders_;
};

}  // namespace core
