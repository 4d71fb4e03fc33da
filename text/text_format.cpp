// Numbers written as text, and the fixed-width pieces built from them.
#include <charconv>
#include <cmath>
#include <system_error>

#include "text/text_ops.h"

namespace taoci {

ByteText RightBytes(const ByteText& t, int n) {
  if (n <= 0) return ByteText();
  const auto count = static_cast<std::size_t>(n);
  if (count >= t.size()) return t;
  return t.Slice(t.size() - count, count);
}

ByteText IntToText(int i) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, i).ptr;
  return ByteText(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

// Only page offsets come here: whole numbers far below 10^13. Anything else
// still gets a defined text: the integer part, toward zero, in full decimal
// digits (exact for every finite double, so at most 309 digits); NaN and the
// infinities give 0.
ByteText NumberToText(double x) {
  if (!std::isfinite(x)) return ByteText("0");
  // Adding +0.0 turns a negative zero into the plain zero, so -0.5 gives 0.
  const double whole = std::trunc(x) + 0.0;
  char digits[330];
  const auto written =
      std::to_chars(digits, digits + sizeof digits, whole, std::chars_format::fixed, 0);
  if (written.ec != std::errc()) return ByteText("0");
  return ByteText(std::string_view(digits, static_cast<std::size_t>(written.ptr - digits)));
}

ByteText PadTwo(int i) { return RightBytes(Concat({"00", IntToText(i)}), 2); }

ByteText HexByte(unsigned char b) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  const char pair[2] = {kDigits[b >> 4], kDigits[b & 0x0F]};
  return ByteText(std::string_view(pair, 2));
}

}  // namespace taoci
