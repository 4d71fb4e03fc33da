// JPEG pictures, through libjpeg.
#pragma once

#include <optional>
#include <span>

#include "image/picture.h"

namespace taoci {

// Baseline and progressive JPEG of 8-bit precision, grey, YCbCr, RGB, CMYK
// or YCCK, into opaque pixels. A stream that libjpeg finds damaged or cut
// short gives no picture, rather than the grey that libjpeg pads it with.
std::optional<Picture> DecodeJpeg(std::span<const unsigned char> bytes);

}  // namespace taoci
