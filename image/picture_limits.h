// The sizes a picture may have, checked by every decoder before it allocates.
#pragma once

#include <cstdint>

#include "image/picture.h"

namespace taoci {

// No item picture comes near these; a header that claims more is damaged or
// hostile, and believing it would allocate gigabytes from a few bytes.
inline constexpr std::int64_t kMaxPictureSide = 16384;
inline constexpr std::int64_t kMaxPicturePixels = 32'000'000;

// Whether a picture of this size can be real: both sides 1 to
// kMaxPictureSide and at most kMaxPicturePixels in all. Takes 64-bit values
// so that any field a file holds, signed or not, can be passed unchanged.
bool PictureSizeAllowed(std::int64_t width, std::int64_t height);

// Gives `picture` this size with every pixel 0 (transparent), or returns
// false and leaves it untouched when the size is not allowed.
bool AllocatePicture(std::int64_t width, std::int64_t height, Picture* picture);

}  // namespace taoci
