#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "records/data_line.h"
#include "records/stored_test_values.h"

namespace records {

// The chart values of line 2, which each reader keeps in its own place.
struct StoredScale {
  std::int16_t chartMax = 0;
  std::int16_t chartMin = 0;
  std::int16_t flowZeroYaxisValue = 0;
  float secPerDiv = 0;
};

// A test data file as read: line 1, the scale of line 2, the values of lines 2 to 5, and
// every data line.
struct StoredTestFile {
  StoredTestValues values;  // Pressure stays 0: no file holds one
  StoredScale scale;
  std::vector<DataLine> data;
};

// What is wrong with a file that cannot be read as a test data file, in words for the operator.
class TestFileError : public std::runtime_error {
 public:
  explicit TestFileError(const std::string& what) : std::runtime_error(what) {}
};

// Reads a whole test data file. Lines end with CR LF or LF alone; a field ends at a comma or
// the line end, and a comma inside double quotes belongs to the text; numbers may carry an
// exponent. Throws TestFileError for fewer than five header lines, no data line, a line with
// the wrong number of fields, or a field that is not a number of its kind.
StoredTestFile ReadTestFile(std::string_view text);

}  // namespace records
