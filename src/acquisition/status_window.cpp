#include "acquisition/status_window.h"

namespace acquisition {

StatusForm::StatusForm() : Window("StatusForm", "KM4400 Leak Detector Status") {
  RegisterAll(Text1, Text2, Text3, Text16, Text5, Text6, Text7, ModeLegend, TestStatusLegend,
              CompletionLegend, FlowRateCaption, FlowScaleCaption, TotalTimeCaption, Command1);
}

}  // namespace acquisition
