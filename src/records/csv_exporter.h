#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/platform/dialogs.h"
#include "core/platform/file_system.h"
#include "core/text_box.h"
#include "records/selected_files.h"
#include "records/test_file_reader.h"
#include "records/test_saver.h"

namespace records {

// "Export Test as CSV...": each confirmed test file, or the chart memory when none is chosen,
// as a spreadsheet file in the folder csv/ beside it (the leak folder for the chart memory),
// so the file list the operator picks tests from holds test files only. An existing
// spreadsheet file is replaced only when the operator says so; nothing else is touched.
class CsvExporter {
 public:
  static constexpr const char* kTitle = "Export Test as CSV";
  static constexpr const char* kFolder = "csv";
  static constexpr const char* kChartMemoryName = "chart memory";

  CsvExporter(const SelectedFiles& selected, const TestSaver& saver, core::Dialogs& dialogs,
              core::FileSystem& files, core::TextBox& notice);

  void ExportCsv_Click();

 private:
  std::optional<StoredTestFile> Read(const std::string& path);
  // Writes the spreadsheet of `test` for `source` (a path); its path, or nothing.
  std::optional<std::string> Export(const std::string& source, const StoredTestFile& test);

  const SelectedFiles& selected_;
  const TestSaver& saver_;
  core::Dialogs& dialogs_;
  core::FileSystem& files_;
  core::TextBox& notice_;
};

}  // namespace records
