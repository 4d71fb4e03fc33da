// BMP pictures: our own code.
#pragma once

#include <optional>
#include <span>

#include "image/picture.h"

namespace taoci {

// A BMP file: 1, 4, 8, 16, 24 or 32 bits; uncompressed, RLE8, RLE4 or bit
// fields; bottom-up or top-down. The alpha of 32-bit bit fields is used
// unless it is 0 everywhere, which writers that know no alpha leave.
std::optional<Picture> DecodeBmp(std::span<const unsigned char> bytes);

}  // namespace taoci
