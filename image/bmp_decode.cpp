#include "image/bmp_decode.h"

#include <cstddef>
#include <cstdint>

#include "image/byte_reader.h"
#include "image/dib_header.h"
#include "image/dib_pixels.h"
#include "image/dib_rle.h"
#include "image/picture_limits.h"
#include "image/pixel.h"

namespace taoci {
namespace {

constexpr std::size_t kFileHeaderSize = 14;

}  // namespace

std::optional<Picture> DecodeBmp(std::span<const unsigned char> bytes) {
  if (bytes.size() < kFileHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') {
    return std::nullopt;
  }
  std::optional<DibHeader> header = ReadDibHeader(bytes.subspan(kFileHeaderSize));
  if (!header) {
    return std::nullopt;
  }
  // The rows start where the file header says, which must be past the
  // bitmap header and its colour table.
  const std::uint32_t bits_at = LoadU32Le(bytes.data() + 10);
  if (bits_at < kFileHeaderSize + header->size || bits_at > bytes.size()) {
    return std::nullopt;
  }
  // In a BMP file the fourth byte of an uncompressed 32-bit pixel is unused,
  // and writers leave anything there; only bit fields carry an alpha.
  if (header->compression == DibCompression::kNone) {
    header->masks[3] = 0;
  }
  Picture picture;
  if (!AllocatePicture(header->width, header->height, &picture)) {
    return std::nullopt;
  }
  const std::span<const unsigned char> bits = bytes.subspan(bits_at);
  const bool rle =
      header->compression == DibCompression::kRle8 || header->compression == DibCompression::kRle4;
  if (!(rle ? DecodeDibRle(*header, bits, &picture) : DecodeDibRows(*header, bits, &picture))) {
    return std::nullopt;
  }
  if (header->masks[3] != 0) {
    const bool any_alpha = HasAnyAlpha(picture);
    for (std::uint32_t& pixel : picture.pixels) {
      pixel = any_alpha ? PremultiplyPixel(pixel) : pixel | 0xFF000000u;
    }
  }
  return picture;
}

}  // namespace taoci
