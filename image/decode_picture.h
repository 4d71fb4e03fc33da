// The picture box's decoder: bytes in, a picture or none out.
#pragma once

#include <optional>

#include "image/picture.h"
#include "text/byte_block.h"

namespace taoci {

// Tells the format by the block's first eight bytes (JPEG, BMP, PNG, GIF,
// icon or cursor, PCX) and decodes it. A block shorter than eight bytes, of
// any other format, or that is truncated, damaged or of a size that cannot be
// real gives no picture. Never reads outside the block, whatever it holds.
std::optional<Picture> DecodePicture(const ByteBlock& block);

}  // namespace taoci
