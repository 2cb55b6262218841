#include "core/numbers.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/guard.h"
#include "core/step_failure.h"

namespace {

struct LenientCase {
  const char* text;
  double value;
};

class LenientValue : public testing::TestWithParam<LenientCase> {};

TEST_P(LenientValue, TakesTheLongestLeadingNumber) {
  EXPECT_DOUBLE_EQ(core::NumericValue(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, LenientValue,
                         testing::Values(LenientCase{"10.0", 10}, LenientCase{"12abc", 12}, LenientCase{"", 0},
                                         LenientCase{" 12A", 12}, LenientCase{"    ", 0}, LenientCase{"0045", 45},
                                         LenientCase{"-5", -5}, LenientCase{"+7.5", 7.5}, LenientCase{".", 0},
                                         LenientCase{"-.", 0}, LenientCase{".5", 0.5}, LenientCase{"5.", 5},
                                         LenientCase{"1e3", 1000}, LenientCase{"1E+2x", 100},
                                         LenientCase{"2e", 2}, LenientCase{"2e-", 2}, LenientCase{"abc", 0},
                                         LenientCase{"STAB", 0}, LenientCase{"05.0", 5}));

TEST(LenientValueOverflow, FailsBeyondTheRangeOfADouble) {
  EXPECT_THROW(core::NumericValue("1e400"), core::StepFailure);
}

struct StrictCase {
  const char* text;
  std::optional<double> value;  // nothing: the conversion fails
};

class StrictValue : public testing::TestWithParam<StrictCase> {};

TEST_P(StrictValue, AcceptsOnlyAWholeNumber) {
  const auto& c = GetParam();
  if (c.value) {
    EXPECT_DOUBLE_EQ(core::StrictNumericValue(c.text), *c.value) << '"' << c.text << '"';
  } else {
    EXPECT_THROW(core::StrictNumericValue(c.text), core::StepFailure) << '"' << c.text << '"';
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StrictValue,
    testing::Values(StrictCase{"2", 2}, StrictCase{" 050 ", 50}, StrictCase{"-1.5", -1.5}, StrictCase{"1e2", 100},
                    StrictCase{"0.5", 0.5}, StrictCase{"", std::nullopt}, StrictCase{"   ", std::nullopt},
                    StrictCase{".", std::nullopt}, StrictCase{"12A", std::nullopt}, StrictCase{"1 2", std::nullopt},
                    StrictCase{"1e400", std::nullopt}, StrictCase{"+", std::nullopt}));

struct TextCase {
  double value;
  const char* text;
};

class DoubleText : public testing::TestWithParam<TextCase> {};

TEST_P(DoubleText, IsPlainDecimalWithFifteenDigits) { EXPECT_EQ(core::NumberText(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Values, DoubleText,
                         testing::Values(TextCase{5, "5"}, TextCase{0.1, "0.1"}, TextCase{4.01, "4.01"},
                                         TextCase{11505 / 14.924, "770.905923344948"}, TextCase{0.1 + 0.2, "0.3"},
                                         TextCase{-157, "-157"}, TextCase{0, "0"}, TextCase{-0.0, "0"},
                                         TextCase{401 / 100.0, "4.01"}, TextCase{1e20, "100000000000000000000"},
                                         TextCase{1.5e-7, "0.00000015"}, TextCase{25.5, "25.5"},
                                         TextCase{2.5 * 3, "7.5"}));

class SingleText : public testing::TestWithParam<TextCase> {};

TEST_P(SingleText, IsPlainDecimalWithSevenDigits) { EXPECT_EQ(core::SingleText(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Values, SingleText,
                         testing::Values(TextCase{10.1, "10.1"}, TextCase{10.6, "10.6"}, TextCase{12.5, "12.5"},
                                         TextCase{1.0 / 3, "0.3333333"}, TextCase{20000, "20000"}));

struct FixedCase {
  double value;
  int decimals;
  const char* text;
};

class FixedDecimals : public testing::TestWithParam<FixedCase> {};

TEST_P(FixedDecimals, RoundsToExactlyThatMany) {
  EXPECT_EQ(core::FixedText(GetParam().value, GetParam().decimals), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, FixedDecimals,
                         testing::Values(FixedCase{0.5, 2, "0.50"}, FixedCase{1, 2, "1.00"}, FixedCase{77.0857, 1, "77.1"},
                                         FixedCase{77.0857, 0, "77"}, FixedCase{0.125, 2, "0.13"},
                                         FixedCase{9.999, 2, "10.00"}, FixedCase{-0.004, 2, "0.00"},
                                         FixedCase{-2.5, 0, "-3"}, FixedCase{99.95, 1, "100.0"},
                                         FixedCase{10, 1, "10.0"}));

struct RoundCase {
  double value;
  std::optional<int> rounded;  // nothing: does not fit
};

class Round16 : public testing::TestWithParam<RoundCase> {};

TEST_P(Round16, HalvesToEvenAndFailsOnOverflow) {
  const auto& c = GetParam();
  if (c.rounded) {
    EXPECT_EQ(core::RoundToInt16(c.value), *c.rounded) << c.value;
  } else {
    EXPECT_THROW(core::RoundToInt16(c.value), core::StepFailure) << c.value;
  }
}

INSTANTIATE_TEST_SUITE_P(Values, Round16,
                         testing::Values(RoundCase{1132.5, 1132}, RoundCase{1133.5, 1134}, RoundCase{-0.5, 0},
                                         RoundCase{-1.5, -2}, RoundCase{2.4999, 2}, RoundCase{32767.4, 32767},
                                         RoundCase{32767.5, std::nullopt}, RoundCase{-32767.5, -32768},
                                         RoundCase{-32768.5, -32768}, RoundCase{-32768.6, std::nullopt},
                                         RoundCase{1e300, std::nullopt}));

TEST(Round32, HalvesToEvenAndFailsOnOverflow) {
  EXPECT_EQ(core::RoundToInt32(770.905923344948 + 2), 773);
  EXPECT_EQ(core::RoundToInt32(2147483646.5), 2147483646);
  EXPECT_THROW(core::RoundToInt32(2147483647.5), core::StepFailure);
  EXPECT_THROW(core::RoundToInt32(std::numeric_limits<double>::infinity()), core::StepFailure);
}

TEST(Arithmetic, DivisionByZeroAndSixteenBitSumsFail) {
  EXPECT_DOUBLE_EQ(core::Divide(5, 10), 0.5);
  EXPECT_THROW(core::Divide(5, 0), core::StepFailure);
  EXPECT_EQ(core::CheckedInt16(1775 + 0), 1775);
  EXPECT_THROW(core::CheckedInt16(32767 + 1), core::StepFailure);
}

TEST(Guard, AFailingStepIsSkippedAndTheNextRuns) {
  int steps = 0;
  EXPECT_FALSE(core::Guarded([&] {
    core::StrictNumericValue("x");
    ++steps;
  }));
  EXPECT_TRUE(core::Guarded([&] { ++steps; }));
  EXPECT_EQ(steps, 1);
}

TEST(Guard, AFailingTestTakesTheFirstBranch) {
  EXPECT_TRUE(core::GuardedTest([] { return core::StrictNumericValue("") == 2; }));
  EXPECT_FALSE(core::GuardedTest([] { return core::StrictNumericValue("1") == 2; }));
  EXPECT_TRUE(core::GuardedTest([] { return core::StrictNumericValue("2") == 2; }));
}

}  // namespace
