// Reading a number from typed text, and turning a number into an Integer.
//
// What the user types in a page or price box goes through here: full-width
// digits and signs typed with a Chinese input method are folded to ASCII
// first, then the longest decimal number at the start is read. The value is
// the nearest double to that decimal, whatever the machine or its locale:
// std::from_chars rounds correctly and knows no locale, where strtod would
// read "1,5" under a German locale.
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

#include "text/text_ops.h"

namespace taoci {
namespace {

// Full-width forms of printable ASCII (A3 A1..A3 FE) become their ASCII byte,
// the ideographic space a space, and the few look-alike marks below their
// ASCII mark; every other two-byte character stays as it is, and a lead byte
// with nothing after it is dropped.
std::string FoldFullWidth(std::string_view t) {
  std::string folded;
  folded.reserve(t.size());
  for (std::size_t p = 0; p < t.size();) {
    const auto lead = static_cast<unsigned char>(t[p]);
    if (lead < 0x80) {
      folded.push_back(t[p]);
      p += 1;
      continue;
    }
    if (p + 1 == t.size()) break;
    const auto second = static_cast<unsigned char>(t[p + 1]);
    if (lead == 0xA3 && second >= 0xA1 && second <= 0xFE) {
      folded.push_back(static_cast<char>(second - 0x80));
    } else if (lead == 0xA1 && second == 0xA1) {
      folded.push_back(' ');
    } else if (lead == 0xA1 && second == 0xAB) {
      folded.push_back('~');
    } else if (lead == 0xA1 && (second == 0xEE || second == 0xEF)) {
      folded.push_back('*');
    } else {
      folded.append(t.substr(p, 2));
    }
    p += 2;
  }
  return folded;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The longest decimal number at the start of `s`, rewritten for from_chars
// (no sign, no leading space, exponent letter e), with its sign apart.
struct DecimalPrefix {
  bool negative = false;
  std::string unsigned_part;  // empty when no digit could be read
  // For a value beyond the double range: the power of ten of its leading
  // digit (saturated), which tells an overflow from an underflow.
  std::int64_t magnitude = 0;
};

DecimalPrefix ReadDecimalPrefix(std::string_view s) {
  DecimalPrefix number;
  std::size_t p = 0;
  while (p < s.size() && IsSpace(s[p])) ++p;
  if (p < s.size() && (s[p] == '+' || s[p] == '-')) {
    number.negative = s[p] == '-';
    ++p;
  }

  constexpr std::int64_t kFar = 1'000'000'000;  // far beyond any double's power of ten
  std::string mantissa;
  bool seen_point = false;
  bool seen_digit = false;
  bool seen_nonzero = false;
  std::int64_t leading = 0;  // power of ten of the first non-zero digit, plus one
  for (; p < s.size(); ++p) {
    const char c = s[p];
    if (IsDigit(c)) {
      seen_digit = true;
      if (c != '0' && !seen_nonzero) seen_nonzero = true;
      if (!seen_point && seen_nonzero && leading < kFar) ++leading;
      if (seen_point && !seen_nonzero && leading > -kFar) --leading;
      mantissa.push_back(c);
    } else if (c == '.' && !seen_point) {
      seen_point = true;
      mantissa.push_back(c);
    } else {
      break;
    }
  }
  if (!seen_digit) return number;

  // An exponent counts only with at least one digit; "1e" is the number 1.
  if (p < s.size() && (s[p] == 'e' || s[p] == 'E' || s[p] == 'd' || s[p] == 'D')) {
    std::size_t q = p + 1;
    bool exponent_negative = false;
    if (q < s.size() && (s[q] == '+' || s[q] == '-')) {
      exponent_negative = s[q] == '-';
      ++q;
    }
    if (q < s.size() && IsDigit(s[q])) {
      std::string exponent = exponent_negative ? "e-" : "e";
      std::int64_t value = 0;
      for (; q < s.size() && IsDigit(s[q]); ++q) {
        exponent.push_back(s[q]);
        if (value < kFar) value = value * 10 + (s[q] - '0');
      }
      mantissa += exponent;
      leading += exponent_negative ? -value : value;
    }
  }
  number.unsigned_part = std::move(mantissa);
  number.magnitude = leading;
  return number;
}

}  // namespace

double TextToNumber(const ByteText& t) {
  const DecimalPrefix number = ReadDecimalPrefix(FoldFullWidth(t.bytes()));
  if (number.unsigned_part.empty()) return 0.0;
  const char* first = number.unsigned_part.data();
  const char* last = first + number.unsigned_part.size();
  double value = 0.0;
  const auto read = std::from_chars(first, last, value, std::chars_format::general);
  if (read.ec == std::errc::result_out_of_range) {
    // Beyond the double range: like an overflowing decimal literal, a huge
    // value reads as infinity and a tiny one as zero.
    value = number.magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (read.ec != std::errc()) {
    value = 0.0;
  }
  return number.negative ? -value : value;
}

int TruncateToInt(double x) {
  if (std::isnan(x)) return 0;
  if (x >= 2147483648.0) return INT_MAX;
  if (x <= -2147483649.0) return INT_MIN;
  return static_cast<int>(x);  // converts toward zero, and the value now fits
}

}  // namespace taoci
