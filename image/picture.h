// A decoded picture, ready to be put on the screen as it is.
#pragma once

#include <cstdint>
#include <vector>

namespace taoci {

// `width` × `height` pixels in `pixels`, row after row from the top, with no
// padding between rows. Each pixel is one 32-bit value 0xAARRGGBB, so that on
// a little-endian machine its bytes in memory are B, G, R, A. The colour is
// premultiplied by the alpha (a pixel of alpha 0 is 0, an opaque one has
// alpha 0xFF): that is the layout of a 32-bit top-down bitmap which the
// window blends onto its background with AlphaBlend and a per-pixel alpha.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

}  // namespace taoci
