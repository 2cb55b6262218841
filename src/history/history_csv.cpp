#include "history/history_csv.h"

namespace history {
namespace {

void AppendField(std::string& out, const std::string& field) {
  if (field.find_first_of(",\"\r\n") == std::string::npos) {
    out += field;
    return;
  }
  out += '"';
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

template <typename Cell>
void AppendLine(std::string& out, const std::vector<HistoryColumn>& columns, Cell cell) {
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (i > 0) out += ',';
    AppendField(out, cell(columns[i]));
  }
  out += "\r\n";
}

}  // namespace

std::string HistoryCsv(const std::vector<const TestIndexRow*>& rows,
                       const std::vector<HistoryColumn>& columns) {
  std::string out;
  AppendLine(out, columns, [](HistoryColumn c) { return HeadingOf(c); });
  for (const TestIndexRow* row : rows) {
    AppendLine(out, columns, [row](HistoryColumn c) { return CellOf(*row, c); });
  }
  return out;
}

}  // namespace history
