#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "text/text_ops.h"

namespace taoci {
namespace {

struct NumberCase {
  const char* text;
  double value;
};

class TextToNumberCases : public ::testing::TestWithParam<NumberCase> {};

TEST_P(TextToNumberCases, ReadsTheLongestNumberAtTheStart) {
  const NumberCase& c = GetParam();
  EXPECT_EQ(TextToNumber(c.text), c.value) << ::testing::PrintToString(c.text);
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToNumberCases,
    ::testing::Values(
        NumberCase{"1", 1}, NumberCase{"100", 100}, NumberCase{"12abc", 12}, NumberCase{"", 0},
        NumberCase{" 7", 7}, NumberCase{"\t\n\v\f\r 7", 7}, NumberCase{"1.5", 1.5},
        NumberCase{"-3", -3}, NumberCase{"+5", 5}, NumberCase{"1e3", 1000}, NumberCase{"1E3", 1000},
        NumberCase{"1d2", 100}, NumberCase{"1D-2", 0.01}, NumberCase{"2e+2", 200},
        NumberCase{"abc", 0}, NumberCase{".", 0}, NumberCase{".5", 0.5}, NumberCase{"5.", 5},
        NumberCase{"1e", 1}, NumberCase{"1e+", 1}, NumberCase{"1ex", 1}, NumberCase{"1.2.3", 1.2},
        NumberCase{"--1", 0}, NumberCase{"+-1", 0}, NumberCase{"- 1", 0}, NumberCase{"0.1", 0.1},
        NumberCase{"007", 7}, NumberCase{"4356&s=", 4356},
        // Correctly rounded: the nearest double, not an accumulated one.
        NumberCase{"0.30000000000000004", 0.30000000000000004},
        NumberCase{"123456789012345678901234567890", 123456789012345678901234567890.0},
        // Beyond the double range, like a decimal literal would.
        NumberCase{"1e400", kInfinity}, NumberCase{"-1e400", -kInfinity}, NumberCase{"1e-400", 0},
        NumberCase{"1e99999999999999999999", kInfinity},
        NumberCase{"0.000000000000000000001e-320", 0},
        // Full-width forms folded first: digits A3 B0.., point A3 AE, minus
        // A3 AD, plus A3 AB, letter e A3 E5; the ideographic space A1 A1.
        NumberCase{"\xA3\xB1\xA3\xB0\xA3\xB0", 100}, NumberCase{"\xA1\xA1\x38", 8},
        NumberCase{"\xA3\xAD\xA3\xB2\xA3\xAE\xA3\xB5", -2.5}, NumberCase{"\xA3\xAB\xA3\xB3", 3},
        NumberCase{"\xA3\xB1\xA3\xE5\xA3\xB2", 100}, NumberCase{"1\xA3\xB2\x33", 123},
        // Folded marks that are not numbers stop the reading: A1 AB is "~",
        // A1 EE and A1 EF are "*".
        NumberCase{"\xA1\xAB\x31", 0}, NumberCase{"1\xA1\xEE\x32", 1}, NumberCase{"1\xA1\xEF", 1},
        // Other two-byte characters stay whole, so a second byte that looks
        // like a digit is not one.
        NumberCase{"\x81\x35", 0}, NumberCase{"5\xB0\xFC\x36", 5},
        // A lead byte with nothing after it is dropped.
        NumberCase{"42\xB0", 42}, NumberCase{"\xB0", 0}));

TEST(TextToNumber, KeepsTheSignOfZero) {
  EXPECT_TRUE(std::signbit(TextToNumber("-0")));
  EXPECT_FALSE(std::signbit(TextToNumber("0")));
}

struct TruncateCase {
  double x;
  int integer;
};

class TruncateToIntCases : public ::testing::TestWithParam<TruncateCase> {};

TEST_P(TruncateToIntCases, CutsTowardZeroAndSaturates) {
  EXPECT_EQ(TruncateToInt(GetParam().x), GetParam().integer) << GetParam().x;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TruncateToIntCases,
    ::testing::Values(TruncateCase{99.999, 99}, TruncateCase{-0.5, 0}, TruncateCase{4400, 4400},
                      TruncateCase{2.9, 2}, TruncateCase{-2.9, -2},
                      TruncateCase{2147483647.9, 2147483647},
                      TruncateCase{-2147483648.9, -2147483647 - 1},
                      TruncateCase{2147483648.0, 2147483647},
                      TruncateCase{-2147483649.0, -2147483647 - 1}, TruncateCase{1e10, 2147483647},
                      TruncateCase{-1e10, -2147483647 - 1}, TruncateCase{kInfinity, 2147483647},
                      TruncateCase{-kInfinity, -2147483647 - 1},
                      TruncateCase{std::numeric_limits<double>::quiet_NaN(), 0}));

}  // namespace
}  // namespace taoci
