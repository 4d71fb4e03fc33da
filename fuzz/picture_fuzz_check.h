// What every picture that a decoder gives must be, whatever it was made
// from: checked by each image fuzz target, which stops at the first that is
// not.
#pragma once

#include <cstdlib>
#include <optional>

#include "image/picture.h"
#include "image/picture_limits.h"

namespace taoci {

inline void CheckDecodedPicture(const std::optional<Picture>& picture) {
  if (!picture) {
    return;
  }
  if (!PictureSizeAllowed(picture->width, picture->height) ||
      picture->pixels.size() !=
          static_cast<std::size_t>(picture->width) * static_cast<std::size_t>(picture->height)) {
    std::abort();
  }
  // Premultiplied: no channel above the alpha.
  for (std::uint32_t pixel : picture->pixels) {
    const std::uint32_t alpha = pixel >> 24;
    if (((pixel >> 16) & 0xFF) > alpha || ((pixel >> 8) & 0xFF) > alpha || (pixel & 0xFF) > alpha) {
      std::abort();
    }
  }
}

}  // namespace taoci
