#include "search/keyword_encoding.h"

#include <cstddef>
#include <string>

#include "text/text_ops.h"

namespace taoci {
namespace {

bool StaysAsIs(unsigned char b) {
  return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == '.' ||
         b == '-' || b == '_';
}

void AppendEscape(std::string& out, unsigned char b) {
  out.push_back('%');
  out.append(HexByte(b).bytes());
}

}  // namespace

ByteText EncodeKeyword(const ByteText& keyword) {
  const ByteBlock bytes = BlockFromText(keyword);
  const unsigned char* b = bytes.data();
  const std::size_t n = bytes.size();
  std::string out;
  out.reserve(3 * n);
  for (std::size_t i = 0; i < n;) {
    // Pairing starts at 0x7F, one below the lead bytes that FindText knows,
    // so DEL takes the byte after it along as well. The second byte of a
    // pair is escaped even when it is a letter or a digit.
    if (b[i] >= 0x7F) {
      AppendEscape(out, b[i]);
      if (i + 1 < n) AppendEscape(out, b[i + 1]);
      i += 2;
    } else if (StaysAsIs(b[i])) {
      out.push_back(static_cast<char>(b[i]));
      i += 1;
    } else {
      AppendEscape(out, b[i]);
      i += 1;
    }
  }
  return ByteText(std::move(out));
}

}  // namespace taoci
