#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace history {

// The size and modification time that tell whether a file changed since it was indexed.
struct FileStamp {
  std::int64_t size = 0;
  std::int64_t modifiedMs = 0;
  bool operator==(const FileStamp&) const = default;
};

// One test data file as the test history knows it: where it is, the stamp that tells whether
// it changed since it was read, and the values derived from it. A file that cannot be read as
// a test data file keeps its row, with `damage` saying why and the values left empty.
struct TestIndexRow {
  std::string path;      // full native path, the row's key
  std::string station;   // empty for this station's own tests; the station's name in the plant view
  std::int64_t size = 0;           // bytes
  std::int64_t modifiedMs = 0;     // modification time, ms since the epoch

  std::string header;              // line 1 as written
  std::string headerDate;          // the date and time of the header, as written
  std::string headerTime;
  std::int64_t testedAtMs = 0;     // when the test was saved: the header's date and time where
  bool testedAtFromHeader = false; // they parse in the platform's long forms, else modifiedMs

  double partNumber = 0;
  double setPressure = 0;          // the pressure reference of line 3
  double calLeak = 0;
  std::string testSeries;
  std::string fullScaleFlow;       // as written ("10")
  double leakLimit = 0;
  double zeroTime = 0;
  int dataLines = 0;

  // The read phase's flows in flow units; none when the file has no read-phase line or its
  // scale cannot place a flow (full scale 0, chart maximum equal to the flow zero).
  std::optional<double> readHighest;
  std::optional<double> readLast;
  bool aboveLimit = false;         // readHighest > leakLimit

  std::string damage;              // empty for a good file

  bool operator==(const TestIndexRow&) const = default;
};

// A file's name without its folder.
std::string FileNameOf(const std::string& path);

}  // namespace history
