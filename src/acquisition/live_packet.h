#pragma once

#include <string>

namespace acquisition {

// The latest decoded instrument packet: the fields as cut from the text, plus the derived
// total time. Nothing clears it; each decoded packet overwrites it.
struct LivePacket {
  std::string Version;
  std::string PartNumber;
  std::string Mode;
  std::string TestStatus;
  std::string CompletionStatus;
  std::string PressReference;
  std::string FlowRateCount;
  std::string FlowScaleCount;
  std::string FlowZero;
  std::string TimeBaseCode;
  std::string ZeroTime;
  std::string FillTime;
  std::string StabTime;
  std::string ReadTime;
  std::string MaxSlope;
  std::string MinFlow;
  std::string TCFactor;
  std::string LeakLimit;
  std::string CalLeak;
  std::string ZeroSelect;
  std::string FlowSlopeLim;
  std::string FlowNegLimit;
  std::string PressureTol;
  std::string TotalTimeCount;
};

}  // namespace acquisition
