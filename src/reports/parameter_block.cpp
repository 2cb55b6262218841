#include "reports/parameter_block.h"

#include "core/numbers.h"

namespace reports {

std::vector<std::string> ParameterBlock::Lines(const std::string& timeBaseSuffix) const {
  const records::StoredTestValues& v = stored_;
  auto line = [](const char* label, float value) { return label + core::SingleText(value); };
  std::vector<std::string> lines{
      line("Part Number :", v.PartNumber),
      line("Time Base :", v.TimeBase) + timeBaseSuffix,
      line("Fill Time :", v.FillTime),
      line("Stab Time :", v.StabTime),
      line("Read Time :", v.ReadTime),
      line("Leak Limit :", v.LeakLimit),
      line("Cal Leak :", v.CalLeak),
      line("Flow Zero :", v.FlowZero),
      line("Max Slope :", v.MaxSlope),
      line("Min Flow :", v.MinFlow),
      line("Press Tol :", v.PressureTol),
      line("Pressure :", v.Pressure),
      line("Version :", v.Version),
      line("Flow Slope Limit :", v.FlowSlopeLim),
      line("Press Reference :", v.PressReference),
      line("Flow Negative Limit :", v.FlowNegLimit),
  };
  if (packet_.Version.substr(0, 2) == "40") {
    // The positive limit is the instrument's MaxSlope and the negative one its MinFlow, as the
    // set-up window pairs them.
    lines.push_back(line("Maximum POS Flow Limit (end of Zero time) :", v.MaxSlope));
    lines.push_back(line("Maximum Neg Flow Limit (end of Zero time) :", v.MinFlow));
    lines.push_back(line("Zero Time :", v.ZeroTime));
    lines.push_back(line("TC Factor :", v.TCFactor));
  }
  return lines;
}

void ParameterBlock::PreviewParameterBlock(core::DrawingSurface& picture, std::int16_t right,
                                           std::int16_t left, std::int16_t top) const {
  Write(picture, kPreviewTimeBase, right, left, top);
}

void ParameterBlock::PrintParameterBlock(core::DrawingSurface& page, std::int16_t right,
                                         std::int16_t left, std::int16_t top) const {
  Write(page, kPrintTimeBase, right, left, top);
}

// Every line starts at the same x; each Print moves y one line down.
void ParameterBlock::Write(core::DrawingSurface& surface, const std::string& timeBaseSuffix,
                           std::int16_t right, std::int16_t left, std::int16_t top) const {
  float x = static_cast<float>(right - left) / 20.0f;
  surface.SetCurrentX(x);
  surface.SetCurrentY(top);
  for (const std::string& line : Lines(timeBaseSuffix)) {
    surface.SetCurrentX(x);
    surface.Print(line);
  }
}

}  // namespace reports
