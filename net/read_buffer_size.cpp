#include "net/read_buffer_size.h"

#include <algorithm>

namespace taoci {
namespace {

constexpr std::size_t kMaxLengthText = 31;

bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::size_t ReadBufferSize(std::optional<std::string_view> content_length) {
  if (!content_length || content_length->size() > kMaxLengthText) return kUnknownLengthReadBuffer;
  std::string_view text = *content_length;
  std::size_t at = 0;
  while (at < text.size() && IsWhiteSpace(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  // Saturates just above the large buffer: 31 digits would overflow any
  // integer, and nothing beyond that size changes the answer.
  std::size_t value = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    value = std::min<std::size_t>(value * 10 + static_cast<std::size_t>(text[at] - '0'),
                                  kLargeReadBuffer);
  }
  if (negative || value == 0) return kUnknownLengthReadBuffer;
  return std::min(value + 1, kLargeReadBuffer);
}

}  // namespace taoci
