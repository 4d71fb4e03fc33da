// The picture box's one entry: any bytes, as a fetch may deliver them, then
// the shrinking to the box that every picture larger than it goes through.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "fuzz/picture_fuzz_check.h"
#include "image/decode_picture.h"
#include "image/picture_layout.h"
#include "image/picture_scale.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const taoci::ByteBlock block(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::optional<taoci::Picture> picture = taoci::DecodePicture(block);
  taoci::CheckDecodedPicture(picture);
  if (picture) {
    const taoci::DrawRect place = taoci::LayoutPicture(208, 208, picture->width, picture->height);
    if (place.width > 0 && place.height > 0) {
      const std::optional<taoci::Picture> scaled =
          taoci::ScalePictureDown(*picture, place.width, place.height);
      taoci::CheckDecodedPicture(scaled);
      if (scaled->width != place.width || scaled->height != place.height) std::abort();
    }
  }
  return 0;
}
