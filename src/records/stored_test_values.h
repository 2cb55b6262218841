#pragma once

#include <string>

namespace records {

// StoredTestValues: the header, full scale flow and set-up values of the test data file read
// last, for graphing and the reports. Reals are single precision, as the file is read.
struct StoredTestValues {
  std::string Header;
  std::string FullScaleFlow;  // as written, "10"
  float PartNumber = 0;
  float FillTime = 0;
  float StabTime = 0;
  float ReadTime = 0;
  float Version = 0;
  float FlowSlopeLim = 0;
  float PressReference = 0;
  float LeakLimit = 0;
  float CalLeak = 0;
  float FlowZero = 0;
  float FlowNegLimit = 0;
  float PressureTol = 0;
  float TimeBase = 0;
  float MaxSlope = 0;
  float TCFactor = 0;
  float MinFlow = 0;
  float ZeroTime = 0;
  std::string TestSeries;
  float Pressure = 0;  // no file holds a pressure; it keeps its start value

  // Everything a file read fills except the header, which only the reports take.
  void TakeSetUp(const StoredTestValues& read);
};

}  // namespace records
