// The one place where text crosses between the program's GBK bytes and the
// UTF-16 of the wide Windows API. Converting with code page 936 explicitly,
// rather than the system's ANSI code page, shows the Chinese correctly on a
// Windows of any language.
#pragma once

#include <string>
#include <string_view>

#include "text/byte_text.h"

namespace taoci {

inline constexpr unsigned kGbkCodePage = 936;

std::wstring WideFromGbk(const ByteText& text);
// Characters that GBK cannot hold become "?", as the system's own
// conversions do; a zero character ends the text.
ByteText GbkFromWide(std::wstring_view wide);

}  // namespace taoci
