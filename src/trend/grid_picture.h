#pragma once

#include <vector>

#include "core/rgb.h"

namespace trend {

// The chart's background: a 771 x 458 pixel grid, row-major, built as pixels so that the
// chart and its tests share one definition.
class GridPicture {
 public:
  static constexpr int kWidth = 771;
  static constexpr int kHeight = 458;
  static constexpr core::Rgb kBackground = core::MakeRgb(255, 255, 255);
  static constexpr core::Rgb kGridLine = core::MakeRgb(231, 227, 231);
  static constexpr core::Rgb kBorder = core::MakeRgb(214, 211, 206);

  static std::vector<core::Rgb> Build();
};

}  // namespace trend
