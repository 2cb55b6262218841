#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/platform/dialogs.h"
#include "core/platform/file_system.h"
#include "records/stored_test_values.h"
#include "records/test_file_reader.h"
#include "reports/report_tables.h"

namespace reports {

// Reads one selected test file for a report (PreviewReadTestFile, PrintReadTestFile): its
// header and set-up values into StoredTestValues, its data lines into the tables, the last
// line's offset into StoredTempCompOffset. A file that cannot be read is named in one message
// and leaves everything as it was; a file longer than the tables is named and kept to them.
class ReportReader {
 public:
  ReportReader(records::StoredTestValues& stored, std::int32_t& storedTempCompOffset,
               core::Dialogs& dialogs, const core::FileSystem& files)
      : stored_(stored), offset_(storedTempCompOffset), dialogs_(dialogs), files_(files) {}

  // The chart values of line 2, or nothing when the file could not be read.
  std::optional<records::StoredScale> Read(const std::string& path, ReportTables& tables);

 private:
  records::StoredTestValues& stored_;
  std::int32_t& offset_;
  core::Dialogs& dialogs_;
  const core::FileSystem& files_;
};

}  // namespace reports
