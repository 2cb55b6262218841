#pragma once

#include <string>
#include <vector>

namespace core {

// The folders where storage volumes are mounted (the root, disks, USB sticks), which stand in
// for drives where there are no drive letters. Empty where the platform does not tell.
std::vector<std::string> MountedVolumes();

}  // namespace core
