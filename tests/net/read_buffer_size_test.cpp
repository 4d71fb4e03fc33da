#include "net/read_buffer_size.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace taoci {
namespace {

struct SizeCase {
  std::optional<std::string> content_length;
  std::size_t buffer;
};

void PrintTo(const SizeCase& c, std::ostream* out) {
  *out << "\"" << c.content_length.value_or("(none)") << "\"";
}

class ReadBufferSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(ReadBufferSizeTest, FollowsTheAnnouncedLength) {
  const SizeCase& c = GetParam();
  std::optional<std::string_view> text;
  if (c.content_length) text = *c.content_length;
  EXPECT_EQ(ReadBufferSize(text), c.buffer)
      << "Content-Length \"" << c.content_length.value_or("(none)") << "\"";
}

INSTANTIATE_TEST_SUITE_P(Lengths, ReadBufferSizeTest,
                         ::testing::Values(
                             // No header, or nothing positive in it: the small buffer.
                             SizeCase{std::nullopt, 10240}, SizeCase{"", 10240},
                             SizeCase{"0", 10240}, SizeCase{"-42", 10240}, SizeCase{" -0", 10240},
                             SizeCase{"+", 10240}, SizeCase{"abc", 10240}, SizeCase{"x42", 10240},
                             // One byte more than announced, so that the read reporting the end
                             // still finds room...
                             SizeCase{"1", 2}, SizeCase{"100", 101}, SizeCase{"102398", 102399},
                             // ...up to the large buffer.
                             SizeCase{"102399", 102400}, SizeCase{"102400", 102400},
                             SizeCase{"5000000", 102400},
                             SizeCase{"99999999999999999999999999", 102400},
                             // Read the way the C library reads a number.
                             SizeCase{"  42", 43}, SizeCase{"\t\r\n+42", 43}, SizeCase{"42abc", 43},
                             SizeCase{"4 2", 5}, SizeCase{"0042", 43},
                             // 31 characters are read; 32 are no length at all.
                             SizeCase{std::string(29, '0') + "42", 43},
                             SizeCase{std::string(30, '0') + "42", 10240},
                             SizeCase{std::string(32, ' ') + "42", 10240}));

}  // namespace
}  // namespace taoci
