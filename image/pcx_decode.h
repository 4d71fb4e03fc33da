// PCX pictures: our own code.
#pragma once

#include <optional>
#include <span>

#include "image/picture.h"

namespace taoci {

// PCX versions 0 to 5, run-length coded: 1 bit in 1 to 4 planes (2 to 16
// colours) and 8 bits in 1 plane (256 colours) or 3 planes (red, green,
// blue).
//
// Colours: 1 bit in 1 plane is black and white. 2 to 4 planes take the
// header's 16-colour palette, or for versions 0 and 3, which carry none, the
// standard EGA palette. 8 bits in 1 plane take the 256-colour palette at the
// end of the file, or a grey ramp when nothing follows the image; any other
// bytes there are a damaged palette and give no picture.
std::optional<Picture> DecodePcx(std::span<const unsigned char> bytes);

}  // namespace taoci
