#include "search/keyword_encoding.h"

#include <gtest/gtest.h>

namespace taoci {
namespace {

struct EncodingCase {
  const char* keyword;
  const char* encoded;
};

class EncodeKeywordCases : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(EncodeKeywordCases, EncodesByteByByte) {
  const EncodingCase& c = GetParam();
  EXPECT_EQ(EncodeKeyword(c.keyword), ByteText(c.encoded)) << ::testing::PrintToString(c.keyword);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EncodeKeywordCases,
    ::testing::Values(
        EncodingCase{"", ""}, EncodingCase{" ", "%20"}, EncodingCase{"A-b_c.9", "A-b_c.9"},
        EncodingCase{"\x7E", "%7E"}, EncodingCase{"\x2A", "%2A"}, EncodingCase{"\x2B", "%2B"},
        EncodingCase{"\x25", "%25"}, EncodingCase{"\x26", "%26"}, EncodingCase{"\x3D", "%3D"},
        EncodingCase{"\x2F", "%2F"}, EncodingCase{"\x01", "%01"}, EncodingCase{"\x0A", "%0A"},
        EncodingCase{"\xAB\xCD", "%AB%CD"}, EncodingCase{"a\xB0", "a%B0"},
        // 0x7F opens a pair here, and takes the letter with it.
        EncodingCase{"\x7F\x61", "%7F%61"}, EncodingCase{"\x7F", "%7F"},
        EncodingCase{"\x81\x61", "%81%61"}, EncodingCase{"\x81\x31\x62", "%81%31b"},
        EncodingCase{"\xB0\xFC\xB0\xFC", "%B0%FC%B0%FC"},
        EncodingCase{"\x62\x61\x67\x20\xB0\xFC", "bag%20%B0%FC"},
        // A pair eats an ASCII byte after a lone-looking lead,
        // then the next lead starts afresh.
        EncodingCase{"\xB0 \xB0", "%B0%20%B0"}, EncodingCase{"\xFF\xFF\xFF", "%FF%FF%FF"}));

TEST(EncodeKeyword, IsAtMostThreeTimesAsLong) {
  std::string every_byte;
  for (int b = 1; b < 256; ++b) every_byte.push_back(static_cast<char>(b));
  const ByteText encoded = EncodeKeyword(ByteText(every_byte));
  // 65 bytes stay as they are; the other 190 become escapes of three bytes.
  EXPECT_EQ(encoded.size(), 65u + 3u * 190u);
  EXPECT_EQ(encoded.bytes().find('+'), std::string_view::npos);
}

}  // namespace
}  // namespace taoci
