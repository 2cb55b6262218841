#pragma once

#include <string>

#include "history/test_index_row.h"

namespace history {

// The index row of one test data file: its values, the header's date and time and the read
// phase's flows as the chart and the report show them. A file that cannot be read gives a row
// with `damage` set, the values empty and the test's time taken from the file's stamp.
TestIndexRow IndexRowOf(const std::string& path, const std::string& text, FileStamp stamp);

}  // namespace history
