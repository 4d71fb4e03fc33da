#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/text/text_list_pieces.h"
#include "text/text_ops.h"

namespace taoci {
namespace {

struct FindCase {
  const char* text;
  const char* sought;
  int position;
};

class FindTextCases : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindTextCases, GivesTheFirstPositionAtACharacterStart) {
  const FindCase& c = GetParam();
  EXPECT_EQ(FindText(c.text, c.sought), c.position)
      << "text " << ::testing::PrintToString(c.text) << " sought "
      << ::testing::PrintToString(c.sought);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindTextCases,
    ::testing::Values(
        FindCase{"abcabc", "bc", 2}, FindCase{"ABC", "b", -1}, FindCase{"abc", "d", -1},
        FindCase{"ab", "abc", -1}, FindCase{"abc", "abc", 1}, FindCase{"xabc", "abc", 2},
        // The empty sought text.
        FindCase{"x", "", 1}, FindCase{"", "", -1}, FindCase{"", "a", -1},
        // E3 BA sits at position 2, the second byte of C4 E3: never a start.
        FindCase{"\xC4\xE3\xBA\xC3", "\xE3\xBA", -1}, FindCase{"\xC4\xE3\xBA\xC3", "\xBA\xC3", 3},
        // A lone lead byte at the end is still a character start.
        FindCase{"a\xB0", "\xB0", 2}, FindCase{"a\xB0", "\xB0\xFC", -1},
        // A second byte below 0x80: the letter inside 81 61 is not a letter.
        FindCase{"\x81\x61", "a", -1}, FindCase{"\x81\x61\x62", "b", 3},
        FindCase{"\x81\x81\x61", "a", 3},
        // Three lead-range bytes: 81 81 | 81 then a; the last 81 takes the a.
        FindCase{"\x81\x81\x81\x61", "a", -1}, FindCase{"\x81\x81\x81\x61", "\x81\x61", 3},
        // An occurrence behind one that fails: the first start wins.
        FindCase{"\xB1\xB2\xB2\xB2", "\xB2\xB2", 3},
        // Matches starting beyond the first sixteen bytes and in the last one.
        FindCase{"0123456789abcdefghijklmnopqrstuvwxyz", "xyz", 34},
        FindCase{"0123456789abcdefghijklmnopqrstuvwxyz", "z", 36},
        FindCase{"0123456789abcdefghijklmnopqrstuvwxyz", "yzz", -1}));

TEST(FindText, CountsRunsOfLeadBytesInPairs) {
  // In front of "<x" a run of lead-range bytes: an even run ends in front of
  // it, an odd run takes its "<" as a second byte. Runs past a machine word
  // and past sixteen bytes are included on purpose.
  for (int run = 0; run <= 40; ++run) {
    const std::string text = std::string(static_cast<std::size_t>(run), '\xB0') + "<x";
    EXPECT_EQ(FindText(ByteText(text), "<x"), run % 2 == 0 ? run + 1 : -1) << "run " << run;
    EXPECT_EQ(FindText(ByteText(text), "x"), run + 2) << "run " << run;
  }
}

TEST(FindText, FindsAMatchAtEveryOffsetOfLongTexts) {
  // The search takes many starts at a time; a match must be found wherever
  // it sits, including the last starts that do not fill a whole step.
  for (std::size_t length = 3; length <= 150; ++length) {
    for (std::size_t at = 0; at + 3 <= length; ++at) {
      std::string text(length, '.');
      text.replace(at, 3, "<a>");
      ASSERT_EQ(FindText(ByteText(text), "<a>"), static_cast<int>(at) + 1)
          << "length " << length << " at " << at;
    }
    ASSERT_EQ(FindText(ByteText(std::string(length, '.')), "<a>"), -1) << "length " << length;
  }
}

TEST(FindText, IsCaseSensitive) {
  EXPECT_EQ(FindText("Item ITEM item", "item"), 11);
  EXPECT_EQ(FindText("ITEM", "item"), -1);
}

struct SplitCase {
  std::string text;
  std::string delimiter;
  std::vector<std::string> pieces;
};

class SplitTextCases : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTextCases, GivesThePiecesBetweenDelimiters) {
  const SplitCase& c = GetParam();
  EXPECT_EQ(Pieces(SplitText(ByteText(c.text), ByteText(c.delimiter))), c.pieces)
      << "text " << ::testing::PrintToString(c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitTextCases,
    ::testing::Values(SplitCase{",a,,b,", ",", {"", "a", "", "b"}}, SplitCase{",", ",", {""}},
                      SplitCase{",,", ",", {"", ""}}, SplitCase{"abc", ",", {"abc"}},
                      SplitCase{"", ",", {}}, SplitCase{"abc", "", {"abc"}},
                      SplitCase{"a<>b<>c", "<>", {"a", "b", "c"}},
                      // Not overlapping: aaa on aa leaves one a behind.
                      SplitCase{"aaa", "aa", {"", "a"}},
                      // A delimiter at a second-byte position does not cut.
                      SplitCase{"\xC4,\xC4,x,y", ",", {"\xC4,\xC4,x", "y"}},
                      // Behind a delimiter characters are counted afresh: the second B0
                      // starts a character there, although it pairs with the first one
                      // when the whole text is read from its start.
                      SplitCase{"\xB0\xB0\xFC", "\xB0", {"", "", "\xFC"}},
                      // A lone lead byte at the end stops the scan; it stays in the piece.
                      SplitCase{"a,b\xB0", ",", {"a", "b\xB0"}}));

TEST(SplitText, EveryPieceIsATextOfItsOwn) {
  TextList pieces;
  {
    const ByteText source("one|two");
    pieces = SplitText(source, "|");
  }
  ASSERT_EQ(pieces.Count(), 2);
  EXPECT_EQ(pieces.Item(1), ByteText("one"));
  EXPECT_EQ(pieces.Item(2), ByteText("two"));
}

}  // namespace
}  // namespace taoci
