// Writes 24-bit pictures as PNG files, so that screenshots taken under Xvfb
// can be looked at with any viewer. Uncompressed (stored deflate blocks):
// bigger than it need be, and needs no library.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace taoci::test {

// `rgb` holds width × height pixels, rows from the top, 3 bytes each (R, G,
// B). False when the file cannot be written.
bool WritePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb);

}  // namespace taoci::test
