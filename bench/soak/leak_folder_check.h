#pragma once

#include <string>

namespace soak {

// The test files in a leak folder: how many, whether their extension numbers run from 1
// without a gap or a repeat (a repeat would be one test saved over another under a new date),
// and how many do not read back as a test that ran to its end.
struct LeakFolderCheck {
  long long files = 0;
  long long unreadable = 0;
  long long highestNumber = 0;
  bool contiguous = false;
};

LeakFolderCheck CheckLeakFolder(const std::string& folder);

// The ordinary files in a folder; 0 when there is no such folder.
long long FilesIn(const std::string& folder);

}  // namespace soak
