#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace reports {

// X, Y and ReportStatus: the data lines of the file being drawn in a report. They belong to
// the report, never to the live chart memory, and hold one file at a time.
struct ReportTables {
  static constexpr std::size_t kEntries = 773;

  std::array<std::int16_t, kEntries> X{};
  std::array<std::int16_t, kEntries> Y{};
  std::array<std::string, kEntries> ReportStatus{};
  std::size_t lines = 0;  // data lines of the current file held in the tables

  void Clear() {
    X.fill(0);
    Y.fill(0);
    ReportStatus.fill({});
    lines = 0;
  }
};

}  // namespace reports
