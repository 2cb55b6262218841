#pragma once

#include "core/button.h"
#include "core/text_box.h"
#include "core/window.h"

namespace scaling {

// SerialForm, "Serial Port  and Scaling Diagnostics": the joined serial input and the event
// count, and the chart scaling laid out as worked formulas, one box per term.
class SerialForm : public core::Window {
 public:
  SerialForm();

  // Serial input.
  core::TextBox Text1{"Text1"};
  core::TextBox Text2{"Text2", "1"};
  // The link since plotting started, beside the event count.
  core::TextBox PacketsPerSecond{"PacketsPerSecond", "", true};
  core::TextBox PacketsWithoutStx{"PacketsWithoutStx", "", true};
  core::TextBox PacketsTooShort{"PacketsTooShort", "", true};
  core::TextBox SecondsWithoutData{"SecondsWithoutData", "", true};
  // Plot area minimum: Hist1Min = Text3 -( Text4 - Text5 )*0.2, Text8 the unlimited result.
  core::TextBox Hist1Min{"Hist1Min"};
  core::TextBox Text3{"Text3"};
  core::TextBox Text4{"Text4"};
  core::TextBox Text5{"Text5"};
  core::TextBox Text8{"Text8"};
  // Plot area maximum: Hist1Max = Text6 + Text7.
  core::TextBox Hist1Max{"Hist1Max"};
  core::TextBox Text6{"Text6"};
  core::TextBox Text7{"Text7"};
  // Leak limit count = LeakLimitSetUp / MaximumFlowSetUp * ( Hist1Max_Leak - FlowZero_Leak ) + FlowZero_Leak2.
  core::TextBox LeakLimitCountCalculation{"LeakLimitCountCalculation"};
  core::TextBox LeakLimitSetUp{"LeakLimitSetUp"};
  core::TextBox MaximumFlowSetUp{"MaximumFlowSetUp"};
  core::TextBox Hist1Max_Leak{"Hist1Max_Leak"};
  core::TextBox FlowZero_Leak{"FlowZero_Leak"};
  core::TextBox FlowZero_Leak2{"FlowZero_Leak2"};
  // Temperature = TemperatureFactor * ( InitialZeroCount - FinalZeroCount ).
  core::TextBox Temperature{"Temperature"};
  core::TextBox TemperatureFactor{"TemperatureFactor"};
  core::TextBox InitialZeroCount{"InitialZeroCount"};
  core::TextBox FinalZeroCount{"FinalZeroCount"};
  // Maximum raw flow.
  core::TextBox FlowScaleFactor{"FlowScaleFactor"};
  core::TextBox SetUpMaximumFlow{"SetUpMaximumFlow"};
  core::TextBox UncompensatedMaximumRawFlowCount{"UncompensatedMaximumRawFlowCount"};
  core::TextBox CompensatedMaximumRawFlowCount{"CompensatedMaximumRawFlowCount"};

  core::Button Command2{"Command2", "Manual Calibration"};
  core::Button Command1{"Command1", "Close"};
};

}  // namespace scaling
