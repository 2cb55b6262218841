#include "core/numbers.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "core/step_failure.h"

namespace core {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the numeric prefix of `text` starting at `pos` (sign, digits, point, exponent).
std::size_t NumericPrefixEnd(std::string_view text, std::size_t pos) {
  std::size_t i = pos;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    std::size_t j = i + 1;
    std::size_t fraction = 0;
    while (j < text.size() && IsDigit(text[j])) ++j, ++fraction;
    if (digits + fraction > 0) {
      i = j;
      digits += fraction;
    }
  }
  if (digits == 0) return pos;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    std::size_t exponent = 0;
    while (j < text.size() && IsDigit(text[j])) ++j, ++exponent;
    if (exponent > 0) i = j;
  }
  return i;
}

double ParseChecked(std::string_view number) {
  std::string copy(number);
  double value = std::strtod(copy.c_str(), nullptr);
  if (std::isinf(value)) throw StepFailure("overflow: " + copy);
  return value;
}

// Digits and decimal exponent of |value| at `significant` digits: value = 0.d1d2... * 10^exp10.
std::string PlainDecimal(double value, int significant) {
  if (std::isnan(value) || std::isinf(value)) throw StepFailure("not a finite number");
  if (value == 0) return "0";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", significant - 1, value);
  std::string text(buffer);
  bool negative = text[0] == '-';
  if (negative) text.erase(0, 1);
  std::size_t e = text.find('e');
  int exponent = std::atoi(text.c_str() + e + 1);
  std::string digits;
  for (std::size_t i = 0; i < e; ++i)
    if (IsDigit(text[i])) digits += text[i];
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string out;
  if (exponent < 0) {
    out = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  } else if (static_cast<std::size_t>(exponent) + 1 >= digits.size()) {
    out = digits + std::string(static_cast<std::size_t>(exponent) + 1 - digits.size(), '0');
  } else {
    out = digits.substr(0, static_cast<std::size_t>(exponent) + 1) + "." +
          digits.substr(static_cast<std::size_t>(exponent) + 1);
  }
  return negative ? "-" + out : out;
}

}  // namespace

double NumericValue(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && IsBlank(text[start])) ++start;
  std::size_t end = NumericPrefixEnd(text, start);
  if (end == start) return 0;
  return ParseChecked(text.substr(start, end - start));
}

double StrictNumericValue(std::string_view text) {
  std::size_t start = 0;
  std::size_t stop = text.size();
  while (start < stop && IsBlank(text[start])) ++start;
  while (stop > start && IsBlank(text[stop - 1])) --stop;
  std::size_t end = NumericPrefixEnd(text, start);
  if (end == start || end != stop) {
    throw StepFailure("not a number: \"" + std::string(text) + "\"");
  }
  return ParseChecked(text.substr(start, end - start));
}

std::string NumberText(double value) { return PlainDecimal(value, 15); }

std::string SingleText(double value) {
  return PlainDecimal(static_cast<double>(static_cast<float>(value)), 7);
}

std::string FixedText(double value, int decimals) {
  if (std::isnan(value) || std::isinf(value)) throw StepFailure("not a finite number");
  // Round on the 15-digit decimal form, so 0.125 gives "0.13" as a person expects.
  std::string plain = PlainDecimal(value, 15);
  bool negative = !plain.empty() && plain[0] == '-';
  if (negative) plain.erase(0, 1);
  std::size_t point = plain.find('.');
  std::string whole = point == std::string::npos ? plain : plain.substr(0, point);
  std::string fraction = point == std::string::npos ? "" : plain.substr(point + 1);
  if (fraction.size() < static_cast<std::size_t>(decimals) + 1) {
    fraction.append(static_cast<std::size_t>(decimals) + 1 - fraction.size(), '0');
  }
  std::string digits = whole + fraction.substr(0, static_cast<std::size_t>(decimals));
  if (fraction[static_cast<std::size_t>(decimals)] >= '5') {
    int i = static_cast<int>(digits.size()) - 1;
    while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') digits[static_cast<std::size_t>(i--)] = '0';
    if (i < 0) {
      digits.insert(digits.begin(), '1');
      whole.insert(whole.begin(), '0');
    } else {
      ++digits[static_cast<std::size_t>(i)];
    }
  }
  std::string intPart = digits.substr(0, whole.size());
  std::string out = intPart;
  if (decimals > 0) out += "." + digits.substr(whole.size());
  bool allZero = out.find_first_not_of("0.") == std::string::npos;
  return negative && !allZero ? "-" + out : out;
}

std::int16_t RoundToInt16(double value) {
  double rounded = std::nearbyint(value);
  if (!(rounded >= -32768.0 && rounded <= 32767.0)) throw StepFailure("16-bit overflow");
  return static_cast<std::int16_t>(rounded);
}

std::int32_t RoundToInt32(double value) {
  double rounded = std::nearbyint(value);
  if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) throw StepFailure("32-bit overflow");
  return static_cast<std::int32_t>(rounded);
}

double Divide(double numerator, double denominator) {
  if (denominator == 0) throw StepFailure("division by zero");
  return numerator / denominator;
}

std::int16_t CheckedInt16(std::int64_t value) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    throw StepFailure("16-bit overflow");
  }
  return static_cast<std::int16_t>(value);
}

}  // namespace core
