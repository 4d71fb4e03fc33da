// The operations on byte texts that the rest of the program relies on. Each is
// a pure function; none fails. Positions are 1-based byte positions, -1 means
// nothing found, and counts are bytes. A byte 0x80..0xFF leads a two-byte
// character; FindText and SplitText only match at character starts.
#pragma once

#include <initializer_list>

#include "text/byte_block.h"
#include "text/byte_text.h"
#include "text/text_list.h"

namespace taoci {

int TextLength(const ByteText& t);
ByteText Concat(std::initializer_list<ByteText> texts);
// -1, 0 or +1, comparing bytes as unsigned values; a proper prefix is smaller.
int CompareText(const ByteText& a, const ByteText& b);
bool IsEmpty(const ByteText& t);

// First occurrence of `sought` that begins at a character start, or -1. The
// empty text is found at 1 in any non-empty text, and nowhere in the empty one.
int FindText(const ByteText& t, const ByteText& sought);
// The pieces between non-overlapping occurrences of `delimiter`, found as
// FindText finds them. A leading delimiter gives an empty first piece, a
// trailing one no empty last piece; the empty text gives no piece at all and
// the empty delimiter the whole text as one piece.
TextList SplitText(const ByteText& t, const ByteText& delimiter);
// The last n bytes (all of t when n is at least its length, none when n <= 0).
ByteText RightBytes(const ByteText& t, int n);

// The decimal number at the start of t, full-width forms folded to ASCII
// first; 0 when there is none. Never fails.
double TextToNumber(const ByteText& t);
// Toward zero; beyond the Integer range it saturates, and NaN gives 0.
int TruncateToInt(double x);
ByteText IntToText(int i);
// Decimal digits of a whole-valued x (the program passes page offsets only).
ByteText NumberToText(double x);
// The last two bytes of "00" followed by the decimal text of i.
ByteText PadTwo(int i);
// Two upper-case hexadecimal digits.
ByteText HexByte(unsigned char b);

// The bytes before the block's first zero byte. A block given up by its
// owner lends the text its storage instead of being copied.
ByteText TextFromBlock(const ByteBlock& b);
ByteText TextFromBlock(ByteBlock&& b);
ByteBlock BlockFromText(const ByteText& t);

}  // namespace taoci
