#pragma once

#include <array>
#include <string>

namespace records {

// SelectedFiles: the full names of the test files confirmed in the file selection window, for
// graphing and the reports; empty text means no file.
using SelectedFiles = std::array<std::string, 513>;

}  // namespace records
