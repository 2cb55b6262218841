#include "trend/plot_colours.h"

#include <string>

#include "core/numbers.h"
#include "core/step_failure.h"

namespace trend {

const std::array<PaletteEntry, 16> kPalette{{
    {"Black", core::MakeRgb(0, 0, 0)},
    {"Blue", core::MakeRgb(0, 0, 128)},
    {"Green", core::MakeRgb(0, 128, 0)},
    {"Cyan", core::MakeRgb(0, 128, 128)},
    {"Red", core::MakeRgb(128, 0, 0)},
    {"Magenta", core::MakeRgb(128, 0, 128)},
    {"Yellow", core::MakeRgb(128, 128, 0)},
    {"White", core::MakeRgb(192, 192, 192)},
    {"Gray", core::MakeRgb(128, 128, 128)},
    {"Light Blue", core::MakeRgb(0, 0, 255)},
    {"Light Green", core::MakeRgb(0, 255, 0)},
    {"Light Cyan", core::MakeRgb(0, 255, 255)},
    {"Light Red", core::MakeRgb(255, 0, 0)},
    {"Light Magenta", core::MakeRgb(255, 0, 255)},
    {"Light Yellow", core::MakeRgb(255, 255, 0)},
    {"Bright White", core::MakeRgb(255, 255, 255)},
}};

core::Rgb PlotColours::PlotColour(std::int32_t colourIndex) const {
  int box;
  if (colourIndex >= 0 && colourIndex <= 7)
    box = colourIndex;
  else if (colourIndex >= 8 && colourIndex <= 11)
    box = colourIndex - 8;
  else
    return kPalette[0].colour;
  const std::string& text = window_.ColourSelect[static_cast<std::size_t>(box)]->Text();
  std::int16_t code = core::RoundToInt16(core::NumericValue(text));
  if (code < 0 || code >= static_cast<int>(kPalette.size())) {
    throw core::StepFailure("colour code out of range: \"" + text + "\"");
  }
  return kPalette[static_cast<std::size_t>(code)].colour;
}

}  // namespace trend
