// Percent-encoding of the search keyword, byte by byte from its GBK bytes.
// The keyword is the only text that is ever encoded; prices and the rest of
// the address go in as typed.
#pragma once

#include "text/byte_text.h"

namespace taoci {

// Digits, ASCII letters, "." "-" "_" stay as they are. A byte 0x7F..0xFF and
// the byte after it, whatever it is, become two escapes; such a byte at the
// very end becomes one. Every other byte becomes "%" and two upper-case hex
// digits (a space is %20, never "+").
ByteText EncodeKeyword(const ByteText& keyword);

}  // namespace taoci
