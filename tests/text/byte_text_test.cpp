#include "text/byte_text.h"

#include <gtest/gtest.h>

#include <string>

namespace taoci {
namespace {

TEST(ByteText, NeverHoldsAZeroByte) {
  const std::string with_zero("1.0\0A", 5);
  EXPECT_EQ(ByteText(std::string_view(with_zero)).bytes(), "1.0");
  EXPECT_EQ(ByteText(std::string_view("\0abc", 4)), ByteText());
}

TEST(ByteText, EmptyAndUnsetAreOneValue) {
  EXPECT_EQ(ByteText(""), ByteText());
  EXPECT_EQ(ByteText(static_cast<const char*>(nullptr)), ByteText());
  EXPECT_TRUE(ByteText().empty());
}

}  // namespace
}  // namespace taoci
