#include "acquisition/setup_window.h"

#include "core/rgb.h"

namespace acquisition {

KM4400SetUp::KM4400SetUp() : Window("KM4400SetUp", "KM4400 Setup Parameters") {
  RegisterAll(MaximumFlow, ZeroShift, TestSeries, PartNumber, Version, TimeBase, FillTime,
              StabTime, ReadTime, LeakLimit, CalLeak, FlowZero, FlowNegLimit, PressureTol,
              FlowSlopeLim, PressReference, MaxSlope, MinFlow, TCFactor, ZeroTime, Text1, Text3,
              Text17, Text2, Text6, Text8, Text7, Text10, Text11, Text12, Text19, Text15, Text13,
              Text18, Text9, Text14, Text5, Text4, Command1, CmdKM4400Setup);
  Text9.SetMultiLine(true);
  Text14.SetMultiLine(true);
}

void KM4400SetUp::SetZeroTimeGroupVisible(bool visible) {
  for (core::Control* control : {static_cast<core::Control*>(&MinFlow), static_cast<core::Control*>(&MaxSlope),
                                 static_cast<core::Control*>(&ZeroTime), static_cast<core::Control*>(&TCFactor),
                                 static_cast<core::Control*>(&Text4), static_cast<core::Control*>(&Text5),
                                 static_cast<core::Control*>(&Text9), static_cast<core::Control*>(&Text14)}) {
    control->SetVisible(visible);
  }
}

}  // namespace acquisition
