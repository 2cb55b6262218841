#pragma once

#include <string>

#include "records/test_file_reader.h"

namespace records {

// A stored test as a spreadsheet reads it (RFC 4180: CR LF lines, a header row, texts in
// quotes, "." decimals): time in seconds, the flow as the report's flow axis reads it, the
// temperature-compensated flow the same way, and the test status; one row per point in the
// order taken, so a wrapped memory comes out by chart position. Flows are left empty when
// the file's chart maximum equals its flow zero, where the axis has no scale.
std::string FormatTestCsv(const StoredTestFile& test);

}  // namespace records
