#include "ui/wide_text.h"

#include <gtest/gtest.h>

#include <string>

namespace taoci {
namespace {

TEST(WideText, RoundTripsGbkBytesThroughCodePage936) {
  // " 页，第 ": the separator of the found line.
  const ByteText gbk("\x20\xD2\xB3\xA3\xAC\xB5\xDA\x20");
  const std::wstring wide = WideFromGbk(gbk);
  EXPECT_EQ(wide, std::wstring(L" \u9875\uFF0C\u7B2C "));
  EXPECT_EQ(GbkFromWide(wide), gbk);
}

TEST(WideText, EmptyStaysEmptyAndUnmappableBecomesQuestionMark) {
  EXPECT_EQ(WideFromGbk(ByteText()), std::wstring());
  EXPECT_EQ(GbkFromWide(L""), ByteText());
  // An emoji has no GBK form.
  EXPECT_EQ(GbkFromWide(L"a\U0001F600b").bytes().front(), 'a');
  EXPECT_EQ(GbkFromWide(L"a\U0001F600b").bytes().back(), 'b');
  EXPECT_NE(GbkFromWide(L"a\U0001F600b").bytes().find('?'), std::string_view::npos);
}

}  // namespace
}  // namespace taoci
