#include "image/icon_decode.h"

#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/byte_reader.h"
#include "image/dib_header.h"
#include "image/dib_pixels.h"
#include "image/picture_limits.h"
#include "image/pixel.h"
#include "image/png_decode.h"

namespace taoci {
namespace {

constexpr std::size_t kDirectoryHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr unsigned char kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

// One image of the file, told by its own header rather than by its
// directory entry, whose sizes and depth writers often get wrong.
struct IconImage {
  std::span<const unsigned char> data;
  std::int64_t width = 0;
  std::int64_t height = 0;
  int depth = 0;  // bits per pixel
  bool png = false;
};

bool IsPng(std::span<const unsigned char> data) {
  // Signature, then the IHDR chunk: length, type, width, height, depth, colour type.
  if (data.size() < 33) {
    return false;
  }
  for (std::size_t i = 0; i < sizeof(kPngSignature); ++i) {
    if (data[i] != kPngSignature[i]) {
      return false;
    }
  }
  return data[12] == 'I' && data[13] == 'H' && data[14] == 'D' && data[15] == 'R';
}

// The image's size and depth from its PNG or bitmap header; none for an
// image that no header describes or of a size that cannot be real.
std::optional<IconImage> LookAtImage(std::span<const unsigned char> data) {
  IconImage image;
  image.data = data;
  image.png = IsPng(data);
  if (image.png) {
    // Bits per pixel are the depth of a sample times the samples per pixel
    // of the colour type (grey, -, RGB, palette, grey and alpha, -, RGBA).
    static constexpr int kSamples[7] = {1, 0, 3, 1, 2, 0, 4};
    const int colour_type = data[25];
    image.width = LoadU32Be(data.data() + 16);
    image.height = LoadU32Be(data.data() + 20);
    image.depth = data[24] * (colour_type < 7 ? kSamples[colour_type] : 0);
  } else {
    std::optional<DibHeader> header = ReadDibHeader(data);
    if (!header) {
      return std::nullopt;
    }
    image.width = header->width;
    image.height = header->height / 2;  // the colour rows, then as many of the mask
    image.depth = header->bit_count;
  }
  if (!PictureSizeAllowed(image.width, image.height)) {
    return std::nullopt;
  }
  return image;
}

// Sizes are within the picture limits, so the areas cannot overflow.
bool Outranks(const IconImage& a, const IconImage& b) {
  const std::int64_t area_a = a.width * a.height;
  const std::int64_t area_b = b.width * b.height;
  return area_a != area_b ? area_a > area_b : a.depth > b.depth;
}

// The mask's bit for a pixel: 1 where the icon is transparent.
bool Masked(const unsigned char* mask_row, std::int64_t x) {
  return ((mask_row[x / 8] >> (7 - x % 8)) & 1) != 0;
}

// A bitmap image: the colour rows, then a 1-bit AND mask of the same size,
// both from the bottom up, with a height in the header that counts both.
std::optional<Picture> DecodeIconBitmap(std::span<const unsigned char> data) {
  std::optional<DibHeader> header = ReadDibHeader(data);
  if (!header || header->top_down ||
      (header->compression != DibCompression::kNone &&
       header->compression != DibCompression::kBitFields)) {
    return std::nullopt;
  }
  header->height /= 2;
  Picture picture;
  if (!AllocatePicture(header->width, header->height, &picture)) {
    return std::nullopt;
  }
  const std::span<const unsigned char> bits = data.subspan(header->size);
  if (!DecodeDibRows(*header, bits, &picture)) {
    return std::nullopt;
  }
  const auto height = static_cast<std::uint64_t>(header->height);
  const std::uint64_t colour_bytes = DibRowStride(header->width, header->bit_count) * height;
  const std::uint64_t mask_stride = DibRowStride(header->width, 1);
  const std::uint64_t mask_left = bits.size() - colour_bytes;
  if (mask_left != 0 && mask_left < mask_stride * height) {
    return std::nullopt;  // a mask cut short
  }
  if (header->bit_count == 32 && header->masks[3] != 0 && HasAnyAlpha(picture)) {
    for (std::uint32_t& pixel : picture.pixels) {
      pixel = PremultiplyPixel(pixel);
    }
    return picture;
  }
  // No alpha: the mask decides, and without a mask the icon is opaque.
  const unsigned char* mask = mask_left != 0 ? bits.data() + colour_bytes : nullptr;
  for (std::uint64_t stored = 0; stored < height; ++stored) {
    std::uint32_t* out = picture.pixels.data() + (height - 1 - stored) * picture.width;
    for (std::int64_t x = 0; x < header->width; ++x) {
      const bool clear = mask != nullptr && Masked(mask + stored * mask_stride, x);
      out[x] = clear ? 0 : out[x] | 0xFF000000u;
    }
  }
  return picture;
}

}  // namespace

std::optional<Picture> DecodeIcon(std::span<const unsigned char> bytes) {
  if (bytes.size() < kDirectoryHeaderSize || LoadU16Le(bytes.data()) != 0) {
    return std::nullopt;
  }
  const std::uint32_t type = LoadU16Le(bytes.data() + 2);
  const std::uint32_t count = LoadU16Le(bytes.data() + 4);
  if ((type != 1 && type != 2) || count == 0 ||
      bytes.size() < kDirectoryHeaderSize + count * kEntrySize) {
    return std::nullopt;
  }
  std::optional<IconImage> best;
  for (std::uint32_t i = 0; i < count; ++i) {
    const unsigned char* entry = bytes.data() + kDirectoryHeaderSize + i * kEntrySize;
    const std::uint64_t size = LoadU32Le(entry + 8);
    const std::uint64_t offset = LoadU32Le(entry + 12);
    // An image outside the file means a file cut short or made up: none of
    // its images is trusted then.
    if (offset > bytes.size() || size > bytes.size() - offset) {
      return std::nullopt;
    }
    std::optional<IconImage> image = LookAtImage(bytes.subspan(offset, size));
    if (image && (!best || Outranks(*image, *best))) {
      best = image;
    }
  }
  if (!best) {
    return std::nullopt;
  }
  return best->png ? DecodePng(best->data) : DecodeIconBitmap(best->data);
}

}  // namespace taoci
