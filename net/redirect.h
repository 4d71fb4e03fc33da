// Where a redirect answer points.
#pragma once

#include <windows.h>
#include <wininet.h>

#include <optional>
#include <string>

#include "text/byte_text.h"

namespace taoci {

// At most this many redirects are followed for one fetch, as browsers do; the
// one after that ends the fetch with the empty block.
inline constexpr int kMaxRedirects = 20;

// For an answer with status 301, 302, 303, 307 or 308 and a Location header,
// the absolute address it names, resolved against `from`, the address that
// was asked for. Nothing for every other answer, which is then the result.
std::optional<std::string> RedirectAddress(HINTERNET request, const ByteText& from);

}  // namespace taoci
