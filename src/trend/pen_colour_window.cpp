#include "trend/pen_colour_window.h"

namespace trend {
namespace {
constexpr std::array<const char*, 8> kDefaultCodes{"14", "0", "8", "9", "10", "11", "12", "13"};
}

PenColour::PenColour() : Window("PenColour", "Plotting Colours") {
  for (int i = 0; i < 8; ++i) {
    ColourSelect[static_cast<std::size_t>(i)] =
        std::make_unique<core::TextBox>(core::Indexed("ColourSelect", i), kDefaultCodes[static_cast<std::size_t>(i)]);
    Register(*ColourSelect[static_cast<std::size_t>(i)]);
  }
  Text1.SetMultiLine(true);
  RegisterAll(Text1, plotnumbertext, Command1);
}

}  // namespace trend
