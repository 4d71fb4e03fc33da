// Length, joining, comparing, and the crossing between texts and blocks.
#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <utility>

#include "text/text_ops.h"

namespace taoci {

int TextLength(const ByteText& t) {
  return t.size() > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(t.size());
}

ByteText Concat(std::initializer_list<ByteText> texts) {
  std::size_t total = 0;
  for (const ByteText& t : texts) total += t.size();
  std::string joined;
  joined.reserve(total);
  for (const ByteText& t : texts) joined.append(t.bytes());
  return ByteText(std::move(joined));
}

int CompareText(const ByteText& a, const ByteText& b) {
  const std::size_t common = std::min(a.size(), b.size());
  // memcmp compares as unsigned char, which is the order wanted for GBK.
  const int bytes = common == 0 ? 0 : std::memcmp(a.bytes().data(), b.bytes().data(), common);
  if (bytes != 0) return bytes < 0 ? -1 : 1;
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool IsEmpty(const ByteText& t) { return CompareText(t, ByteText()) == 0; }

ByteText TextFromBlock(const ByteBlock& b) { return ByteText(b.view()); }

ByteText TextFromBlock(ByteBlock&& b) { return ByteText(std::move(b).TakeBytes()); }

ByteBlock BlockFromText(const ByteText& t) { return ByteBlock(t.bytes()); }

}  // namespace taoci
