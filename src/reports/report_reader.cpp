#include "reports/report_reader.h"

#include <algorithm>

namespace reports {

std::optional<records::StoredScale> ReportReader::Read(const std::string& path,
                                                       ReportTables& tables) {
  std::optional<std::string> text = files_.ReadFile(path);
  if (!text) {
    dialogs_.MessageBox(path + " cannot be reported: it cannot be opened.");
    return std::nullopt;
  }
  records::StoredTestFile file;
  try {
    file = records::ReadTestFile(*text);
  } catch (const records::TestFileError& error) {
    dialogs_.MessageBox(path + " cannot be reported: " + error.what() + ".");
    return std::nullopt;
  }
  stored_.TakeSetUp(file.values);
  stored_.Header = file.values.Header;
  tables.Clear();
  tables.lines = std::min(file.data.size(), ReportTables::kEntries);
  for (std::size_t i = 0; i < tables.lines; ++i) {
    const records::DataLine& line = file.data[i];
    tables.X[i] = line.x;
    tables.Y[i] = line.y;
    tables.ReportStatus[i] = line.status;
    offset_ = line.offset;
  }
  if (file.data.size() > ReportTables::kEntries) {
    dialogs_.MessageBox(path + " has " + std::to_string(file.data.size()) +
                        " data lines; the report shows the first " +
                        std::to_string(ReportTables::kEntries) + ".");
  }
  return file.scale;
}

}  // namespace reports
