// FindText and SplitText, both on top of the character-start search.
#include <climits>
#include <cstddef>
#include <string_view>

#include "text/char_start_search.h"
#include "text/text_ops.h"

namespace taoci {

int FindText(const ByteText& t, const ByteText& sought) {
  const std::size_t at = FindAtCharStart(t.bytes(), sought.bytes());
  if (at == kNoMatch) return -1;
  // A position beyond the Integer range would need a text of 2 GiB; it is
  // reported as the largest position rather than wrapping to a negative one.
  return at >= static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(at) + 1;
}

TextList SplitText(const ByteText& t, const ByteText& delimiter) {
  TextList pieces;
  if (t.empty()) return pieces;
  if (delimiter.empty()) {
    pieces.Append(t);
    return pieces;
  }
  const std::string_view text = t.bytes();
  const std::size_t width = delimiter.size();
  std::size_t piece = 0;
  for (;;) {
    // Characters are counted afresh behind each delimiter, just as a search
    // of the remaining text alone would count them.
    std::size_t at = FindAtCharStart(text.substr(piece), delimiter.bytes());
    if (at == kNoMatch) break;
    at += piece;
    pieces.Append(t.Slice(piece, at - piece));
    piece = at + width;
  }
  if (piece < text.size()) pieces.Append(t.Slice(piece, text.size() - piece));
  return pieces;
}

}  // namespace taoci
