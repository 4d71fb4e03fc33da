#include "text/char_start_search.h"

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// How the search stays fast and exact.
//
// Candidates are found the way a fast substring search finds them: positions
// whose first and last byte agree with the sought text (sixty-four positions
// at a time where SSE2 is there), confirmed with memcmp. A confirmed candidate
// must then begin a character. A byte below 0x80 always ends a character (it
// is either a character or the second byte of one), so the candidate begins a
// character exactly when the run of bytes 0x80..0xFF directly in front of it
// has even length. The run is counted backwards, but never below `known_start`,
// a position already known to begin a character: every candidate rejected this
// way moves `known_start` past itself, so no byte is counted twice and a text
// made of nothing but two-byte characters still costs one pass.

namespace taoci {
namespace {

// The number of bytes 0x80..0xFF directly in front of `at`, counting back no
// further than `floor`.
std::size_t HighRunBefore(const unsigned char* text, std::size_t floor, std::size_t at) {
  std::size_t p = at;
  if constexpr (std::endian::native == std::endian::little) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    while (p - floor >= 8) {
      std::uint64_t word;
      std::memcpy(&word, text + p - 8, 8);
      const std::uint64_t low = ~word & kHighBits;
      if (low != 0) {
        // The byte below 0x80 nearest to p is the most significant one set;
        // every byte above it in the word is part of the run.
        return at - p + static_cast<std::size_t>(std::countl_zero(low)) / 8;
      }
      p -= 8;
    }
  }
  while (p > floor && text[p - 1] >= 0x80) --p;
  return at - p;
}

class CharStartCheck {
 public:
  explicit CharStartCheck(const unsigned char* text) : text_(text) {}

  // Candidates arrive in increasing order.
  bool BeginsCharacter(std::size_t candidate) {
    if (HighRunBefore(text_, known_start_, candidate) % 2 == 0) return true;
    // The candidate is the second byte of a character, so the next byte
    // begins one.
    known_start_ = candidate + 1;
    return false;
  }

 private:
  const unsigned char* text_;
  std::size_t known_start_ = 0;
};

}  // namespace

std::size_t FindAtCharStart(std::string_view text, std::string_view sought) {
  const std::size_t n = text.size();
  const std::size_t m = sought.size();
  if (m == 0) return n == 0 ? kNoMatch : 0;
  if (m > n) return kNoMatch;

  const auto* t = reinterpret_cast<const unsigned char*>(text.data());
  const auto* s = reinterpret_cast<const unsigned char*>(sought.data());
  const unsigned char first = s[0];
  const unsigned char last = s[m - 1];
  const std::size_t last_start = n - m;
  CharStartCheck check(t);

  auto matches_at = [&](std::size_t c) {
    return std::memcmp(t + c + 1, s + 1, m - 1) == 0 && check.BeginsCharacter(c);
  };

  std::size_t c = 0;
#if defined(__SSE2__)
  const __m128i first16 = _mm_set1_epi8(static_cast<char>(first));
  const __m128i last16 = _mm_set1_epi8(static_cast<char>(last));
  // Candidates among the sixteen starts c..c+15, one bit each.
  auto candidates16 = [&](std::size_t at) {
    const __m128i head = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + at));
    const __m128i tail = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + at + m - 1));
    return static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(
        _mm_and_si128(_mm_cmpeq_epi8(head, first16), _mm_cmpeq_epi8(tail, last16)))));
  };
  auto first_match = [&](std::size_t at, std::uint64_t mask) {
    for (; mask != 0; mask &= mask - 1) {
      const std::size_t candidate = at + static_cast<std::size_t>(std::countr_zero(mask));
      if (matches_at(candidate)) return candidate;
    }
    return kNoMatch;
  };
  // Sixty-four starts at a time while the loads stay inside the text, then
  // sixteen.
  for (; c <= last_start && last_start - c >= 63; c += 64) {
    const std::uint64_t mask = candidates16(c) | candidates16(c + 16) << 16 |
                               candidates16(c + 32) << 32 | candidates16(c + 48) << 48;
    if (mask == 0) continue;
    const std::size_t found = first_match(c, mask);
    if (found != kNoMatch) return found;
  }
  for (; c <= last_start && last_start - c >= 15; c += 16) {
    const std::size_t found = first_match(c, candidates16(c));
    if (found != kNoMatch) return found;
  }
#endif
  // The last starts, and every start where SSE2 is missing.
  for (; c <= last_start; ++c) {
    if (t[c] == first && t[c + m - 1] == last && matches_at(c)) return c;
  }
  return kNoMatch;
}

}  // namespace taoci
