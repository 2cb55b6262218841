#include "app/configuration.h"

#include <vector>

#include "core/guard.h"
#include "core/numbers.h"

namespace app {
namespace {

std::vector<std::string> Tokens(std::string_view text) {
  std::vector<std::string> tokens;
  std::string current;
  bool any = false;
  auto flush = [&] {
    auto begin = current.find_first_not_of(" \t");
    auto end = current.find_last_not_of(" \t");
    tokens.push_back(begin == std::string::npos ? std::string() : current.substr(begin, end - begin + 1));
    current.clear();
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == ',') {
      flush();
      any = false;
    } else if (c == '\r' || c == '\n') {
      // A line end after a value separates; an empty line or a CR LF pair adds nothing.
      if (any) flush();
      any = false;
    } else {
      current += c;
      any = any || (c != ' ' && c != '\t');
    }
  }
  if (any) flush();
  return tokens;
}

std::int16_t Integer16(const std::vector<std::string>& tokens, std::size_t i) {
  std::int16_t value = 0;
  if (i < tokens.size()) core::Guarded([&] { value = core::RoundToInt16(core::StrictNumericValue(tokens[i])); });
  return value;
}

std::string ColourText(const std::string& token) {
  std::string text = token;
  core::Guarded([&] { text = core::NumberText(core::StrictNumericValue(token)); });
  return text;
}

}  // namespace

Configuration Configuration::Parse(std::string_view text) {
  auto tokens = Tokens(text);
  Configuration c;
  c.trendMode = Integer16(tokens, 0);
  if (tokens.size() > 1) {
    core::Guarded([&] { c.fullScaleFlow = static_cast<float>(core::StrictNumericValue(tokens[1])); });
  }
  c.clearCount = Integer16(tokens, 2);
  c.port = Integer16(tokens, 3);
  c.leakLimit = Integer16(tokens, 4);
  for (std::size_t i = 0; i < c.colours.size(); ++i) {
    if (5 + i < tokens.size()) c.colours[i] = ColourText(tokens[5 + i]);
  }
  return c;
}

std::string ConfigurationOut::Format() const {
  std::string out = std::to_string(trendMode) + "," + core::NumberText(fullScaleFlow) + "," +
                    core::NumberText(clearCount) + "," + std::to_string(port) + "," +
                    core::NumberText(leakLimit) + "\r\n";
  for (std::size_t i = 0; i < colours.size(); ++i) {
    out += (i ? "," : "") + core::NumberText(colours[i]);
  }
  return out + "\r\n";
}

}  // namespace app
