#include "session/temp_folder.h"

#include <stdlib.h>

#include <stdexcept>
#include <string>
#include <system_error>

namespace session {

TempFolder::TempFolder(bool keep) : keep_(keep) {
  std::string pattern = (std::filesystem::temp_directory_path() / "km4400-session-XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    throw std::system_error(errno, std::generic_category(), "cannot make a session folder");
  }
  path_ = pattern;
}

TempFolder::~TempFolder() {
  if (keep_) return;
  std::error_code ignored;  // a folder left behind in the temporary folder harms nobody
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace session
