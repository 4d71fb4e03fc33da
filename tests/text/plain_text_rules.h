// FindText and SplitText written out step by step, byte by byte, exactly as
// the character rule reads: no candidates, no shortcuts. Slow on purpose.
// The fast search in text/ is checked against these, in the tests and in the
// fuzzers.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace taoci::plain {

inline bool IsLead(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// 1-based position or -1.
inline int FindText(std::string_view t, std::string_view sought) {
  if (sought.empty()) return t.empty() ? -1 : 1;
  std::size_t p = 0;
  for (;;) {
    if (t.size() - p < sought.size()) return -1;
    if (t.substr(p, sought.size()) == sought) return static_cast<int>(p) + 1;
    if (IsLead(t[p])) {
      if (p + 1 == t.size()) return -1;
      p += 2;
    } else {
      p += 1;
    }
  }
}

inline std::vector<std::string> SplitText(std::string_view t, std::string_view delimiter) {
  std::vector<std::string> pieces;
  if (t.empty()) return pieces;
  if (delimiter.empty()) {
    pieces.emplace_back(t);
    return pieces;
  }
  std::size_t p = 0;
  std::size_t piece = 0;
  while (t.size() - p >= delimiter.size()) {
    if (t.substr(p, delimiter.size()) == delimiter) {
      pieces.emplace_back(t.substr(piece, p - piece));
      p += delimiter.size();
      piece = p;
    } else if (IsLead(t[p])) {
      if (p + 1 == t.size()) break;
      p += 2;
    } else {
      p += 1;
    }
  }
  if (piece < t.size()) pieces.emplace_back(t.substr(piece));
  return pieces;
}

}  // namespace taoci::plain
