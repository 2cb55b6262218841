#pragma once

#include <array>
#include <string>
#include <vector>

#include "records/data_line.h"

namespace records {

// What a save writes, already taken from the boxes: the header, the numeric values of the
// boxes of lines 2 to 5, the test series and the data lines.
struct SavedTest {
  std::string header;
  // HistMaxValue, HistMinValue, FlowZeroYaxisValue, SecPerDiv, MaximumFlow
  std::array<double, 5> scale{};
  // PartNumber, FillTime, StabTime, ReadTime, Version, FlowSlopeLim, PressReference
  std::array<double, 7> setUp{};
  // LeakLimit, CalLeak, FlowZero, FlowNegLimit, PressureTol, TimeBase
  std::array<double, 6> limits{};
  // MaxSlope, TCFactor, MinFlow, ZeroTime
  std::array<double, 4> zeroTime{};
  std::string testSeries;
  std::vector<DataLine> data;
};

// The text of a test data file: CR LF lines, quoted texts, bare numbers in plain decimals.
// Texts must hold no double quote (the format has no escape for one).
std::string FormatTestFile(const SavedTest& test);

}  // namespace records
