#pragma once

#include "core/button.h"
#include "core/check_box.h"
#include "core/text_box.h"
#include "core/window.h"

namespace acquisition {

// KM4400SetUp, "KM4400 Setup Parameters": the instrument's set-up as decoded, plus the three
// values only the operator sets. Its boxes are the shared record of the set-up (SetupParameters).
class KM4400SetUp : public core::Window {
 public:
  KM4400SetUp();

  static constexpr const char* kPlottingFrame = "Parameters That Affect Plotting and Trending - Must Be Set";
  static constexpr const char* kInstrumentFrame = "Set Up Data Read From KM4400";
  static constexpr const char* kTestSeriesFrame = "Test Series Identification";

  // Set by the operator.
  core::TextBox MaximumFlow{"MaximumFlow", "10"};
  core::CheckBox ZeroShift{"ZeroShift", "Zero Shift Calibration", 0};
  core::TextBox TestSeries{"TestSeries", "A1"};

  // Decoded from every packet.
  core::TextBox PartNumber{"PartNumber", "1"};
  core::TextBox Version{"Version", ""};
  core::TextBox TimeBase{"TimeBase", "0.1"};
  core::TextBox FillTime{"FillTime", "5"};
  core::TextBox StabTime{"StabTime", "5"};
  core::TextBox ReadTime{"ReadTime", "10.0"};
  core::TextBox LeakLimit{"LeakLimit", "10.0"};
  core::TextBox CalLeak{"CalLeak", "10.6"};
  core::TextBox FlowZero{"FlowZero", "STAB"};
  core::TextBox FlowNegLimit{"FlowNegLimit", "10.0"};
  core::TextBox PressureTol{"PressureTol", "20"};
  core::TextBox FlowSlopeLim{"FlowSlopeLim", "10.0"};
  core::TextBox PressReference{"PressReference", "10.0"};
  // The zero-time group, shown only for instruments with temperature compensation.
  core::TextBox MaxSlope{"MaxSlope", "10.0"};
  core::TextBox MinFlow{"MinFlow", "5.0"};
  core::TextBox TCFactor{"TCFactor", "0"};
  core::TextBox ZeroTime{"ZeroTime", "1"};

  // Read-only captions beside the boxes.
  core::CaptionBox Text1{"Text1", "Full Scale Flow in Engineering Units"};
  core::CaptionBox Text3{"Text3", "Part Number"};
  core::CaptionBox Text17{"Text17", "Version"};
  core::CaptionBox Text2{"Text2", "Time Base (Sec)"};
  core::CaptionBox Text6{"Text6", "Fill Time (Sec)"};
  core::CaptionBox Text8{"Text8", "Stab Time (Sec)"};
  core::CaptionBox Text7{"Text7", "Read Time (Sec)"};
  core::CaptionBox Text10{"Text10", "Leak Limit"};
  core::CaptionBox Text11{"Text11", "Calibrated Leak"};
  core::CaptionBox Text12{"Text12", "Flow Zero"};
  core::CaptionBox Text19{"Text19", "Flow Negative Limit"};
  core::CaptionBox Text15{"Text15", "Pressure Tolerance (%)"};
  core::CaptionBox Text13{"Text13", "Flow Slope Limit"};
  core::CaptionBox Text18{"Text18", "Pressure Reference"};
  core::CaptionBox Text9{"Text9", "Maximum POS Flow \r\nLimit (end of Zero time)"};
  core::CaptionBox Text14{"Text14", "Maximum NEG Flow \r\nLimit (end of Zero time)"};
  core::CaptionBox Text5{"Text5", "TC Factor"};
  core::CaptionBox Text4{"Text4", "Zero Time (Sec)"};

  core::Button Command1{"Command1", "Cancel"};
  core::Button CmdKM4400Setup{"CmdKM4400Setup", "Close"};

  // Shows or hides the four zero-time boxes and their captions together.
  void SetZeroTimeGroupVisible(bool visible);
};

}  // namespace acquisition
