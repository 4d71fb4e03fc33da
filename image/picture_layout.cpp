#include "image/picture_layout.h"

#include <algorithm>
#include <cstdint>

namespace taoci {

DrawRect LayoutPicture(int client_width, int client_height, int picture_width, int picture_height) {
  const std::int64_t cw = std::max(client_width, 0);
  const std::int64_t ch = std::max(client_height, 0);
  const std::int64_t pw = picture_width;
  const std::int64_t ph = picture_height;
  if (pw <= 0 || ph <= 0) {
    return DrawRect{0, 0, 0, 0};
  }
  std::int64_t width = pw;
  std::int64_t height = ph;
  if (pw > cw || ph > ch) {
    // Compared and scaled in integers, so that the side that sets the factor
    // fits exactly and the other is truncated, with none of the rounding that
    // a factor held as a double would bring (208 / 209 × 209 is not 208 in
    // floating point).
    if (cw * ph <= ch * pw) {
      width = cw;
      height = ph * cw / pw;
    } else {
      height = ch;
      width = pw * ch / ph;
    }
  }
  return DrawRect{static_cast<int>((cw - width) / 2), static_cast<int>((ch - height) / 2),
                  static_cast<int>(width), static_cast<int>(height)};
}

}  // namespace taoci
