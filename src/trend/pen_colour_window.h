#pragma once

#include <array>
#include <memory>

#include "core/button.h"
#include "core/text_box.h"
#include "core/window.h"

namespace trend {

// PenColour, "Plotting Colours": the colour codes of the eight plots (PlotColours) and the
// current plot number. The codes are typed freely; nothing here checks them.
class PenColour : public core::Window {
 public:
  PenColour();

  static constexpr const char* kLegend =
      "0 Black       8 Gray\r\n1 Blue         9 Light Blue\r\n2 Green      10 Light Green\r\n"
      "3 Cyan        11 Light Cyan\r\n4 Red         12 Light Red\r\n5 Magenta  13 Light Magenta\r\n"
      "6 Yellow      14 Light Yellow\r\n7 White       15 Bright White\r\n";
  static constexpr const char* kColourCodeFrame = "Colour Code";
  static constexpr const char* kPlotNumberFrame = "Plot Number";

  // ColourSelect(0) .. (7); the window lists them from (2) to (7), then (0) and (1).
  std::array<std::unique_ptr<core::TextBox>, 8> ColourSelect;
  core::TextBox Text1{"Text1", kLegend, true};
  core::TextBox plotnumbertext{"plotnumbertext", "", true};
  core::Button Command1{"Command1", "Close"};

  // Row order top to bottom: the ColourSelect index and its label.
  struct Row {
    int index;
    const char* label;
  };
  static constexpr std::array<Row, 8> kRows{{{2, "First Plot Colour"},
                                              {3, "Second Plot Colour"},
                                              {4, "Third Plot Colour"},
                                              {5, "Fourth Plot Colour"},
                                              {6, "Fifth Plot Colour"},
                                              {7, "Sixth Plot Colour"},
                                              {0, "Seventh Plot Colour"},
                                              {1, "Eighth Plot Colour"}}};
};

}  // namespace trend
