#pragma once

#include "core/button.h"
#include "core/text_box.h"
#include "core/window.h"

namespace acquisition {

// StatusForm, "KM4400 Leak Detector Status": mode, statuses, zero selection and raw counts,
// written by the decoder alone.
class StatusForm : public core::Window {
 public:
  StatusForm();

  static constexpr const char* kModeFrame = "MODE";
  static constexpr const char* kTestStatusFrame = "TEST STATUS";
  static constexpr const char* kCompletionFrame = "COMPLETION STATUS";
  static constexpr const char* kZeroSelectionFrame = "ZERO SELECTION (STAB OR CAL)";

  core::TextBox Text1{"Text1"};    // mode
  core::TextBox Text2{"Text2"};    // test status
  core::TextBox Text3{"Text3"};    // completion status
  core::TextBox Text16{"Text16"};  // zero selection
  core::TextBox Text5{"Text5"};    // flow rate
  core::TextBox Text6{"Text6"};    // flow scale factor
  core::TextBox Text7{"Text7"};    // total time count

  core::CaptionBox ModeLegend{"ModeLegend", "P = Program, R = Run, C = Calibrate"};
  core::CaptionBox TestStatusLegend{"TestStatusLegend", "F = Fill, S = Stabilization, R = Read, Y = Ready"};
  core::CaptionBox CompletionLegend{
      "CompletionLegend", "N = Normal, A = Aborted, P = Pressure Fault, Z = Zero Cal Error, S = Span Cal Error"};
  core::CaptionBox FlowRateCaption{"FlowRateCaption", "Flow Rate (Raw Counts)"};
  core::CaptionBox FlowScaleCaption{"FlowScaleCaption", "Flow Scale Factor (Raw Counts)"};
  core::CaptionBox TotalTimeCaption{"TotalTimeCaption",
                                    "Sum of Zero + Fill + Stabilization + Read Times (Raw Counts)"};

  core::Button Command1{"Command1", "Close"};
};

}  // namespace acquisition
