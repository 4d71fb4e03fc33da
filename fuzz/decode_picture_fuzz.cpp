// The picture box's one entry: any bytes, as a fetch may deliver them.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/picture_fuzz_check.h"
#include "image/decode_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const taoci::ByteBlock block(std::string_view(reinterpret_cast<const char*>(data), size));
  taoci::CheckDecodedPicture(taoci::DecodePicture(block));
  return 0;
}
