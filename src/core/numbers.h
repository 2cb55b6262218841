#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace core {

// Numbers as text: every window field, packet field and file field is text, converted
// where arithmetic needs a number. All conversions use "." whatever the locale.

// The lenient rule: the longest leading numeric part (leading blanks skipped, optional sign,
// digits, optional "." and digits, optional exponent); 0 when there is none.
// Fails only when the number is too large for a double ("1e400").
double NumericValue(std::string_view text);

// The strict rule: the whole text, blanks around it allowed, must be a number; otherwise fails.
double StrictNumericValue(std::string_view text);

// Plain decimal text, at most 15 significant digits, no exponent, no trailing zeros.
std::string NumberText(double value);

// The same for single precision: the value is taken as a float, at most 7 significant digits.
std::string SingleText(double value);

// The value rounded (halves away from zero, as decimal text) to exactly `decimals` decimals.
std::string FixedText(double value, int decimals);

// Nearest integer, halves to even; fail when the result does not fit.
std::int16_t RoundToInt16(double value);
std::int32_t RoundToInt32(double value);

// Division that fails on a zero divisor instead of yielding infinity.
double Divide(double numerator, double denominator);

// A 16-bit sum or difference that fails on overflow, as integer arithmetic of that width does.
std::int16_t CheckedInt16(std::int64_t value);

}  // namespace core
