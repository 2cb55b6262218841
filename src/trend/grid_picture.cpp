#include "trend/grid_picture.h"

namespace trend {
namespace {

std::size_t At(int x, int y) {
  return static_cast<std::size_t>(y) * GridPicture::kWidth + static_cast<std::size_t>(x);
}

void FillColumn(std::vector<core::Rgb>& pixels, int x, core::Rgb colour) {
  for (int y = 0; y < GridPicture::kHeight; ++y) pixels[At(x, y)] = colour;
}

void FillRow(std::vector<core::Rgb>& pixels, int y, core::Rgb colour) {
  for (int x = 0; x < GridPicture::kWidth; ++x) pixels[At(x, y)] = colour;
}

}  // namespace

std::vector<core::Rgb> GridPicture::Build() {
  std::vector<core::Rgb> pixels(At(0, kHeight), kBackground);
  // One time division is 10 chart positions; one row of 19 pixels is 5 % of full scale.
  for (int x = 9; x <= 759; x += 10) FillColumn(pixels, x, kGridLine);
  for (int y = 0; y <= 456; y += 19) FillRow(pixels, y, kGridLine);
  for (int x : {0, 1, kWidth - 2, kWidth - 1}) FillColumn(pixels, x, kBorder);
  FillRow(pixels, kHeight - 1, kBorder);
  return pixels;
}

}  // namespace trend
