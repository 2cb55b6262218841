#pragma once

#include <cmath>
#include <cstdint>
#include <string>

#include "records/test_file_writer.h"

namespace bench_files {

// A full test: fill, stabilisation and read across the whole paper, with a zero time so the
// read phase draws the compensated trace too.
inline std::string FullTest(int number) {
  records::SavedTest test;
  test.header =
      "Part #12  ,Set Pressure: 10.0 PSI,  Cal Leak: 10.6 SCCM,  Monday, December 08, 2003,  "
      "3:45:12 PM";
  test.scale = {1775, 233, 490, 1.6, 10};
  test.setUp = {12, 5, 5, 10, 4.01, 10, 10};
  test.limits = {5, 10.6, 490, 10, 20, 0.1};
  test.zeroTime = {10, 0.5, 5, 2};
  test.testSeries = "A1";
  for (int i = 0; i <= 770; ++i) {
    const char* status = i < 250 ? "F" : i < 500 ? "S" : "R";
    auto value = static_cast<std::int16_t>(600 + 300 * std::sin((i + 40 * number) / 60.0));
    test.data.push_back({static_cast<std::int16_t>(i % 770), value, 12, status});
  }
  return records::FormatTestFile(test);
}

}  // namespace bench_files
