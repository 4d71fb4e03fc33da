// PNG pictures, through libpng.
#pragma once

#include <optional>
#include <span>

#include "image/picture.h"

namespace taoci {

// Every bit depth and colour type, interlaced or not, with transparency from
// the alpha channel or a tRNS chunk. A bad CRC in a critical chunk, a missing
// IEND, a palette index past the palette or any other damage gives no picture.
std::optional<Picture> DecodePng(std::span<const unsigned char> bytes);

}  // namespace taoci
