// Collects a response body from the system's internet API.
#pragma once

#include <windows.h>
#include <wininet.h>

#include <cstddef>

#include "text/byte_block.h"

namespace taoci {

// A real result page is well under 1 MiB; this bounds what a broken or hostile
// server can make the program hold.
inline constexpr std::size_t kMaxBodyBytes = 64 * 1024 * 1024;

// Reads `request` with a buffer of `buffer_size` bytes until a read delivers
// nothing (the end) or fails, appending what each read delivers. Stops after
// the first kMaxBodyBytes. Whatever has arrived when it stops comes back: when
// a read fails, at the limit, and when memory for the growing body runs out.
// No memory for the buffer itself gives the empty block.
ByteBlock ReadBody(HINTERNET request, std::size_t buffer_size);

}  // namespace taoci
