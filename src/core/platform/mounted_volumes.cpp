#include "core/platform/mounted_volumes.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace core {
namespace {

// System folders that hold no test files, with everything mounted below them.
bool IsSystemFolder(const std::string& folder) {
  for (const char* system :
       {"/proc", "/sys", "/dev", "/run", "/boot", "/snap", "/var", "/tmp", "/etc"}) {
    std::string prefix(system);
    if (folder == prefix || folder.rfind(prefix + "/", 0) == 0)
      return folder.rfind("/run/media/", 0) != 0;
  }
  return false;
}

}  // namespace

std::vector<std::string> MountedVolumes() {
  std::vector<std::string> volumes;
  std::ifstream mounts("/proc/mounts");
  std::string line;
  while (std::getline(mounts, line)) {
    std::istringstream fields(line);
    std::string device, folder;
    fields >> device >> folder;
    // Only volumes on a block device; a folder name with blanks is written with "\040".
    if (device.rfind("/dev/", 0) != 0 || folder.find('\\') != std::string::npos) continue;
    std::error_code ec;
    if (IsSystemFolder(folder) || !std::filesystem::is_directory(folder, ec)) continue;
    if (std::find(volumes.begin(), volumes.end(), folder) == volumes.end())
      volumes.push_back(folder);
  }
  return volumes;
}

}  // namespace core
