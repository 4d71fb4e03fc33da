// The one search underneath FindText, SplitText and the result-page scan:
// the first place where the sought bytes occur at a character start.
//
// Characters are counted from the first byte of the text searched: a byte
// 0x80..0xFF leads a two-byte character and takes the byte after it, whatever
// that is; every other byte stands alone. A lead byte at the very end is still
// a character start.
#pragma once

#include <cstddef>
#include <string_view>

namespace taoci {

inline constexpr std::size_t kNoMatch = std::string_view::npos;

// 0-based offset of the first occurrence of `sought` in `text` that begins at
// a character start, or kNoMatch. An empty `sought` is found at 0 in a
// non-empty text and not at all in the empty text.
std::size_t FindAtCharStart(std::string_view text, std::string_view sought);

// True when every byte of `bytes` is below 0x80. After such bytes a new
// character always starts, so a search may go on from just behind an ASCII
// marker with the same character starts as a search over the whole text.
constexpr bool IsAllAscii(std::string_view bytes) {
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace taoci
