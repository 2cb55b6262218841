#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace app {

// The settings kept in "testconfig.txt" between runs: two CR LF lines of comma-separated values,
// trend mode, full scale flow, plots before clearing, port, leak-limit flag; eight colour codes.
struct Configuration {
  static constexpr const char* kFileName = "testconfig.txt";

  std::int16_t trendMode = 0;
  double fullScaleFlow = 0;
  std::int16_t clearCount = 0;
  std::int16_t port = 0;
  std::int16_t leakLimit = 0;
  // Each as read: a number in its number text, another text as it stands, empty when missing.
  std::array<std::string, 8> colours{};

  // Commas and line ends both separate, blanks around values are ignored, five then eight values
  // however spread over lines, nothing after the thirteenth; an unreadable value counts as 0
  // (empty for a colour), and so does one that does not fit its 16-bit integer.
  static Configuration Parse(std::string_view text);
};

// What shut-down writes, taken from the windows: every number in its shortest decimal form.
struct ConfigurationOut {
  int trendMode = 0;
  double fullScaleFlow = 0;
  double clearCount = 0;
  int port = 0;
  double leakLimit = 0;
  std::array<double, 8> colours{};

  std::string Format() const;
};

}  // namespace app
