#pragma once

#include <string>
#include <vector>

#include "history/history_rows.h"

namespace history {

// The rows as a spreadsheet file (RFC 4180): a heading line, then one line per row, CR LF
// after every line, a field quoted when it holds a comma, a quote or a line break, and a quote
// inside it doubled.
std::string HistoryCsv(const std::vector<const TestIndexRow*>& rows,
                       const std::vector<HistoryColumn>& columns);

}  // namespace history
