#include "image/picture_limits.h"

#include <cstddef>

namespace taoci {

bool PictureSizeAllowed(std::int64_t width, std::int64_t height) {
  if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide) {
    return false;
  }
  // Both sides are at most 2^14 here, so the product cannot overflow.
  return width * height <= kMaxPicturePixels;
}

bool AllocatePicture(std::int64_t width, std::int64_t height, Picture* picture) {
  if (!PictureSizeAllowed(width, height)) {
    return false;
  }
  picture->width = static_cast<int>(width);
  picture->height = static_cast<int>(height);
  picture->pixels.assign(static_cast<std::size_t>(width * height), 0);
  return true;
}

}  // namespace taoci
