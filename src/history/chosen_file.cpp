#include "history/chosen_file.h"

namespace history {
namespace {

std::string Joined(const std::string& folder, char separator, const std::string& name) {
  if (!folder.empty() && folder.back() == separator) return folder + name;
  return folder + separator + name;
}

}  // namespace

std::string ProposedFile(const core::FileSystem& files, const std::string& folder,
                         const std::string& name) {
  char separator = files.Separator();
  return Joined(Joined(files.CurrentDir(), separator, folder), separator, name);
}

core::FileResult MakeFolderOf(core::FileSystem& files, const std::string& path) {
  std::size_t cut = path.find_last_of(files.Separator());
  if (cut == std::string::npos || cut == 0 || files.DirExists(path.substr(0, cut))) return {};
  return files.MakeDir(path.substr(0, cut));
}

}  // namespace history
