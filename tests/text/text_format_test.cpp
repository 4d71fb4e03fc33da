#include <gtest/gtest.h>

#include <cstdio>
#include <limits>

#include "text/text_ops.h"

namespace taoci {
namespace {

TEST(IntToText, WritesPlainDecimalDigits) {
  EXPECT_EQ(IntToText(0), ByteText("0"));
  EXPECT_EQ(IntToText(-44), ByteText("\x2D\x34\x34"));
  EXPECT_EQ(IntToText(4356), ByteText("4356"));
  EXPECT_EQ(IntToText(std::numeric_limits<int>::max()), ByteText("2147483647"));
  EXPECT_EQ(IntToText(std::numeric_limits<int>::min()), ByteText("-2147483648"));
}

TEST(NumberToText, WritesWholeNumbersLikeIntToText) {
  EXPECT_EQ(NumberToText(0), ByteText("0"));
  EXPECT_EQ(NumberToText(4356), ByteText("4356"));
  EXPECT_EQ(NumberToText(-44), ByteText("-44"));
  EXPECT_EQ(NumberToText(-94489280424.0), ByteText("-94489280424"));
  EXPECT_EQ(NumberToText(9999999999999.0), ByteText("9999999999999"));
}

TEST(NumberToText, GivesADefinedTextOutsideItsUse) {
  EXPECT_EQ(NumberToText(2.75), ByteText("2"));
  EXPECT_EQ(NumberToText(-0.5), ByteText("0"));
  EXPECT_EQ(NumberToText(-0.0), ByteText("0"));
  EXPECT_EQ(NumberToText(1e20), ByteText("100000000000000000000"));
  EXPECT_EQ(NumberToText(std::numeric_limits<double>::max()).size(), 309u);
  EXPECT_EQ(NumberToText(std::numeric_limits<double>::infinity()), ByteText("0"));
  EXPECT_EQ(NumberToText(std::numeric_limits<double>::quiet_NaN()), ByteText("0"));
}

TEST(PadTwo, KeepsTheLastTwoBytes) {
  EXPECT_EQ(PadTwo(1), ByteText("01"));
  EXPECT_EQ(PadTwo(3), ByteText("03"));
  EXPECT_EQ(PadTwo(12), ByteText("12"));
  EXPECT_EQ(PadTwo(31), ByteText("31"));
  EXPECT_EQ(PadTwo(0), ByteText("00"));
  EXPECT_EQ(PadTwo(2014), ByteText("14"));
  EXPECT_EQ(PadTwo(-5), ByteText("-5"));
}

TEST(HexByte, GivesTwoUpperCaseDigitsForEveryByte) {
  EXPECT_EQ(HexByte(0x20), ByteText("20"));
  EXPECT_EQ(HexByte(0x0A), ByteText("0A"));
  EXPECT_EQ(HexByte(0xFC), ByteText("FC"));
  for (int b = 0; b < 256; ++b) {
    char expected[3];
    std::snprintf(expected, sizeof expected, "%02X", static_cast<unsigned>(b));
    EXPECT_EQ(HexByte(static_cast<unsigned char>(b)), ByteText(expected)) << b;
  }
}

TEST(RightBytes, ClampsTheCountToTheText) {
  EXPECT_EQ(RightBytes("ab", 5), ByteText("ab"));
  EXPECT_EQ(RightBytes("ab", 2), ByteText("ab"));
  EXPECT_EQ(RightBytes("ab", 1), ByteText("b"));
  EXPECT_EQ(RightBytes("ab", 0), ByteText());
  EXPECT_EQ(RightBytes("ab", -3), ByteText());
  EXPECT_EQ(RightBytes("", 2), ByteText());
  // Bytes, not characters: half of B0 FC.
  EXPECT_EQ(RightBytes("\xB0\xFC", 1), ByteText("\xFC"));
}

}  // namespace
}  // namespace taoci
