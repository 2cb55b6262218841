#include "core/folder_list.h"

namespace core {

void FolderList::SetFolders(std::vector<std::string> folders) {
  if (folders == folders_) return;
  folders_ = std::move(folders);
  NotifyObservers();
}

}  // namespace core
