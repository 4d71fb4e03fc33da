// The fast search against the literal rule, on many random texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/text/plain_text_rules.h"
#include "tests/text/random_gbk_bytes.h"
#include "tests/text/text_list_pieces.h"
#include "text/text_ops.h"

namespace taoci {
namespace {

TEST(TextSearchCrossCheck, FindTextAgreesWithTheLiteralRule) {
  fixtures::RandomGbkBytes random(20141020);
  for (int round = 0; round < 40000; ++round) {
    const std::string text = random.Text(round % 4 == 0 ? 400 : 60);
    const std::string sought = random.Sought(text);
    ASSERT_EQ(FindText(ByteText(text), ByteText(sought)), plain::FindText(text, sought))
        << "round " << round << " text " << ::testing::PrintToString(text) << " sought "
        << ::testing::PrintToString(sought);
  }
}

TEST(TextSearchCrossCheck, SplitTextAgreesWithTheLiteralRule) {
  fixtures::RandomGbkBytes random(44);
  for (int round = 0; round < 20000; ++round) {
    const std::string text = random.Text(round % 4 == 0 ? 400 : 60);
    const std::string delimiter = random.Sought(text);
    ASSERT_EQ(Pieces(SplitText(ByteText(text), ByteText(delimiter))),
              plain::SplitText(text, delimiter))
        << "round " << round << " text " << ::testing::PrintToString(text) << " delimiter "
        << ::testing::PrintToString(delimiter);
  }
}

}  // namespace
}  // namespace taoci
