// The PCX decoder on its own, on the fuzzer's own buffer, so that a read a byte
// past the input is caught.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz/picture_fuzz_check.h"
#include "image/pcx_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  taoci::CheckDecodedPicture(taoci::DecodePcx(std::span<const unsigned char>(data, size)));
  return 0;
}
