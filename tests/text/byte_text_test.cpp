#include "text/byte_text.h"

#include <gtest/gtest.h>

#include <string>

namespace taoci {
namespace {

TEST(ByteText, NeverHoldsAZeroByte) {
  const std::string with_zero("1.0\0A", 5);
  EXPECT_EQ(ByteText(std::string_view(with_zero)).bytes(), "1.0");
  EXPECT_EQ(ByteText(std::string_view("\0abc", 4)), ByteText());
  EXPECT_EQ(ByteText(std::string(with_zero)).bytes(), "1.0");
  EXPECT_EQ(ByteText(std::string("\0", 1)), ByteText());
}

TEST(ByteText, EmptyAndUnsetAreOneValue) {
  EXPECT_EQ(ByteText(""), ByteText());
  EXPECT_EQ(ByteText(static_cast<const char*>(nullptr)), ByteText());
  EXPECT_TRUE(ByteText().empty());
}

TEST(ByteText, SliceIsClampedToTheText) {
  const ByteText text("abcdef");
  EXPECT_EQ(text.Slice(1, 3), ByteText("bcd"));
  EXPECT_EQ(text.Slice(4, 100), ByteText("ef"));
  EXPECT_EQ(text.Slice(6, 1), ByteText());
  EXPECT_EQ(text.Slice(100, 1), ByteText());
  EXPECT_EQ(text.Slice(0, 0), ByteText());
}

}  // namespace
}  // namespace taoci
