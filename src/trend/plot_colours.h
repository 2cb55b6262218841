#pragma once

#include <array>
#include <cstdint>

#include "core/rgb.h"
#include "trend/pen_colour_window.h"

namespace trend {

struct PaletteEntry {
  const char* name;
  core::Rgb colour;
};

// The 16-colour palette of the plot colour codes.
extern const std::array<PaletteEntry, 16> kPalette;

// The colour of a plot from the codes in the PenColour window.
class PlotColours {
 public:
  explicit PlotColours(const PenColour& window) : window_(window) {}

  // Index 0..7: the code in ColourSelect(index); 8..11: ColourSelect(index - 8); else black.
  // Fails on a code outside 0..15.
  core::Rgb PlotColour(std::int32_t colourIndex) const;

 private:
  const PenColour& window_;
};

}  // namespace trend
