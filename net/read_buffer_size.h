// How large a fetch's read buffer is, from the response's Content-Length.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace taoci {

inline constexpr std::size_t kLargeReadBuffer = 102400;
inline constexpr std::size_t kUnknownLengthReadBuffer = 10240;

// `content_length` is the header's text as the response gave it, nothing when
// it has none. It is read as a decimal integer the way the C library reads
// one: leading white space skipped, an optional sign, then the digits up to
// the first other character. A positive value L gives min(L + 1, 102400)
// bytes, so that an announced body shorter than that fits one buffer with
// room for the read that reports its end; anything else, and a text longer
// than 31 characters, gives 10240.
std::size_t ReadBufferSize(std::optional<std::string_view> content_length);

}  // namespace taoci
