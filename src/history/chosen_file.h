#pragma once

#include <string>

#include "core/platform/file_system.h"

namespace history {

// A file the operator names for what the history writes (a spreadsheet, a chart picture): the
// name proposed in a folder of the leak folder, and that file's folder made when missing.
std::string ProposedFile(const core::FileSystem& files, const std::string& folder,
                         const std::string& name);
core::FileResult MakeFolderOf(core::FileSystem& files, const std::string& path);

}  // namespace history
