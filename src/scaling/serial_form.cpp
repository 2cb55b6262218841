#include "scaling/serial_form.h"

namespace scaling {

SerialForm::SerialForm() : Window("SerialForm", "Serial Port  and Scaling Diagnostics") {
  RegisterAll(Text1, Text2, PacketsPerSecond, PacketsWithoutStx, PacketsTooShort,
              SecondsWithoutData, Hist1Min, Text3, Text4, Text5, Text8, Hist1Max, Text6, Text7,
              LeakLimitCountCalculation, LeakLimitSetUp, MaximumFlowSetUp, Hist1Max_Leak,
              FlowZero_Leak, FlowZero_Leak2, Temperature, TemperatureFactor, InitialZeroCount,
              FinalZeroCount, FlowScaleFactor, SetUpMaximumFlow, UncompensatedMaximumRawFlowCount,
              CompensatedMaximumRawFlowCount, Command2, Command1);
  Text1.SetMultiLine(true);
}

}  // namespace scaling
