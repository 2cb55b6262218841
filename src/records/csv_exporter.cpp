#include "records/csv_exporter.h"

#include "records/csv_export.h"
#include "records/test_file_writer.h"

namespace records {

CsvExporter::CsvExporter(const SelectedFiles& selected, const TestSaver& saver,
                         core::Dialogs& dialogs, core::FileSystem& files, core::TextBox& notice)
    : selected_(selected), saver_(saver), dialogs_(dialogs), files_(files), notice_(notice) {}

void CsvExporter::ExportCsv_Click() {
  std::vector<std::string> written;
  bool chosen = false;
  for (const std::string& path : selected_) {
    if (path.empty()) continue;
    chosen = true;
    if (auto test = Read(path)) {
      if (auto csv = Export(path, *test)) written.push_back(*csv);
    }
  }
  if (!chosen) {
    // The chart memory goes through the file format, so it reads exactly as its saved file will.
    std::string source = files_.CurrentDir() + files_.Separator() + kChartMemoryName;
    if (auto csv = Export(source, ReadTestFile(FormatTestFile(saver_.CurrentTest())))) {
      written.push_back(*csv);
    }
  }
  if (written.empty()) return;
  std::string list;
  for (const std::string& path : written) list += (list.empty() ? "" : ", ") + path;
  notice_.SetText("Exported as CSV: " + list);
}

std::optional<StoredTestFile> CsvExporter::Read(const std::string& path) {
  std::string why = "it cannot be opened";
  if (std::optional<std::string> text = files_.ReadFile(path)) {
    try {
      return ReadTestFile(*text);
    } catch (const TestFileError& error) {
      why = error.what();
    }
  }
  dialogs_.MessageBox(path + " cannot be exported: " + why + ".");
  return std::nullopt;
}

std::optional<std::string> CsvExporter::Export(const std::string& source,
                                               const StoredTestFile& test) {
  std::size_t cut = source.find_last_of(files_.Separator());
  std::string folder = source.substr(0, cut) + files_.Separator() + kFolder;
  std::string name = source.substr(cut + 1) + ".csv";
  std::string target = folder + files_.Separator() + name;
  core::FileResult result;
  if (!files_.DirExists(folder)) result = files_.MakeDir(folder);
  if (result && files_.PathExists(target) &&
      !dialogs_.AskYesNo(name + " already exists. Replace it?", kTitle)) {
    return std::nullopt;
  }
  if (result) result = files_.WriteFileReplacing(target, FormatTestCsv(test));
  if (!result) {
    dialogs_.MessageBox(target + " could not be written: " + result.message + ".");
    return std::nullopt;
  }
  return target;
}

}  // namespace records
