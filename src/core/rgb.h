#pragma once

#include <cstdint>

namespace core {

// A 24-bit colour, red in the low byte as the drawing operations expect.
using Rgb = std::uint32_t;

constexpr Rgb MakeRgb(int red, int green, int blue) {
  return static_cast<Rgb>(red & 0xFF) | (static_cast<Rgb>(green & 0xFF) << 8) |
         (static_cast<Rgb>(blue & 0xFF) << 16);
}
constexpr int RedOf(Rgb c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Rgb c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Rgb c) { return static_cast<int>((c >> 16) & 0xFF); }

}  // namespace core
