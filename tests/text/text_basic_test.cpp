#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>

#include "text/text_ops.h"

namespace taoci {
namespace {

TEST(Concat, JoinsInOrderAndSkipsEmptyTexts) {
  EXPECT_EQ(Concat({"a", "", "bc", ByteText(), "d"}), ByteText("abcd"));
  EXPECT_EQ(Concat({}), ByteText());
  EXPECT_EQ(Concat({"\xB0", "\xFC"}), ByteText("\xB0\xFC"));
}

struct CompareCase {
  const char* a;
  const char* b;
  int order;
};

class CompareTextCases : public ::testing::TestWithParam<CompareCase> {};

TEST_P(CompareTextCases, OrdersByUnsignedBytes) {
  const CompareCase& c = GetParam();
  EXPECT_EQ(CompareText(c.a, c.b), c.order);
  EXPECT_EQ(CompareText(c.b, c.a), -c.order);
}

INSTANTIATE_TEST_SUITE_P(Cases, CompareTextCases,
                         ::testing::Values(CompareCase{"", "", 0}, CompareCase{"abc", "abc", 0},
                                           CompareCase{"", "a", -1}, CompareCase{"ab", "abc", -1},
                                           CompareCase{"abd", "abc", 1},
                                           // 0x80 and above sort after ASCII.
                                           CompareCase{"\x7F", "\x80", -1},
                                           CompareCase{"\xB0\xFC", "z", 1},
                                           CompareCase{"\xB0\xFC", "\xB0\xFD", -1}));

TEST(IsEmpty, IsTrueOnlyForTheEmptyText) {
  EXPECT_TRUE(IsEmpty(ByteText()));
  EXPECT_TRUE(IsEmpty(""));
  EXPECT_FALSE(IsEmpty(" "));
  EXPECT_FALSE(IsEmpty("\xB0"));
}

TEST(TextLength, CountsBytes) {
  EXPECT_EQ(TextLength(""), 0);
  EXPECT_EQ(TextLength("\x20\xD2\xB3\xA3\xAC\xB5\xDA\x20"), 8);
}

TEST(TextFromBlock, CutsAtTheFirstZeroByte) {
  const struct {
    std::string_view block;
    const char* text;
  } cases[] = {{std::string_view("\x31\x2E\x30\x00\x41", 5), "1.0"},
               {std::string_view("\x00\x61\x62\x63", 4), ""},
               {std::string_view(), ""},
               {std::string_view("\xB0\xFC"), "\xB0\xFC"}};
  for (const auto& c : cases) {
    const ByteBlock kept(c.block);
    EXPECT_EQ(TextFromBlock(kept), ByteText(c.text));
    EXPECT_EQ(kept.view(), c.block);  // a block still owned is only read
    ByteBlock given_up(c.block);
    EXPECT_EQ(TextFromBlock(std::move(given_up)), ByteText(c.text));
  }
}

TEST(BlockFromText, HoldsExactlyTheBytes) {
  const ByteBlock block = BlockFromText("\xB0\xFC\x61");
  EXPECT_EQ(block.size(), 3u);
  EXPECT_EQ(block.view(), "\xB0\xFC\x61");
  EXPECT_TRUE(BlockFromText(ByteText()).empty());
}

TEST(TextList, IsOneBasedAndAnswersOutsideItsRange) {
  TextList list;
  EXPECT_EQ(list.Count(), 0);
  list.Append("first");
  list.Append(ByteText());
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Item(1), ByteText("first"));
  EXPECT_EQ(list.Item(2), ByteText());
  EXPECT_EQ(list.Item(0), ByteText());
  EXPECT_EQ(list.Item(3), ByteText());
  EXPECT_EQ(list.Item(INT_MIN), ByteText());
}

}  // namespace
}  // namespace taoci
