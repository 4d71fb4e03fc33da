// GIF pictures, through giflib.
#pragma once

#include <optional>
#include <span>

#include "image/picture.h"

namespace taoci {

// The first image of a GIF, placed on the logical screen and clipped to it,
// with the transparency of its graphic control extension; what the frame
// does not cover is transparent. The rest of the file is read to its trailer
// without being decoded, so that a file cut short is noticed.
std::optional<Picture> DecodeGif(std::span<const unsigned char> bytes);

}  // namespace taoci
