#include "image/dib_pixels.h"

#include <bit>
#include <cstddef>
#include <cstdint>

#include "image/byte_reader.h"
#include "image/pixel.h"

namespace taoci {
namespace {

// One channel of a bit-field pixel: where it sits and how to widen it to
// eight bits.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  explicit Channel(std::uint32_t m) : mask(m) {
    if (mask != 0) {
      shift = std::countr_zero(mask);
      bits = std::popcount(mask);
    }
  }

  std::uint32_t Extract(std::uint32_t pixel, std::uint32_t absent) const {
    if (bits == 0) {
      return absent;
    }
    const std::uint32_t value = (pixel & mask) >> shift;
    if (bits >= 8) {
      return value >> (bits - 8);
    }
    const std::uint32_t top = (1u << bits) - 1;
    return (value * 255 + top / 2) / top;
  }
};

bool DecodeIndexedRow(const DibHeader& header, const unsigned char* row, std::uint32_t* out) {
  const int bits = header.bit_count;
  const int per_byte = 8 / bits;
  const unsigned mask = (1u << bits) - 1;
  const std::size_t colours = header.palette.size();
  for (std::int64_t x = 0; x < header.width; ++x) {
    const unsigned byte = row[x / per_byte];
    const int shift = 8 - bits * (1 + static_cast<int>(x % per_byte));
    const std::size_t index = (byte >> shift) & mask;
    if (index >= colours) {
      return false;
    }
    out[x] = header.palette[index];
  }
  return true;
}

void DecodeBgrRow(const DibHeader& header, const unsigned char* row, std::uint32_t* out) {
  for (std::int64_t x = 0; x < header.width; ++x, row += 3) {
    out[x] = OpaquePixel(row[2], row[1], row[0]);
  }
}

void DecodeFieldRow(const DibHeader& header, const unsigned char* row, std::uint32_t* out) {
  const Channel red(header.masks[0]);
  const Channel green(header.masks[1]);
  const Channel blue(header.masks[2]);
  const Channel alpha(header.masks[3]);
  const int bytes = header.bit_count / 8;
  for (std::int64_t x = 0; x < header.width; ++x, row += bytes) {
    const std::uint32_t pixel = bytes == 2 ? LoadU16Le(row) : LoadU32Le(row);
    out[x] = (alpha.Extract(pixel, 0xFF) << 24) | (red.Extract(pixel, 0) << 16) |
             (green.Extract(pixel, 0) << 8) | blue.Extract(pixel, 0);
  }
}

}  // namespace

bool DecodeDibRows(const DibHeader& header, std::span<const unsigned char> bits, Picture* picture) {
  const std::uint64_t stride = DibRowStride(header.width, header.bit_count);
  const auto rows = static_cast<std::uint64_t>(header.height);
  if (bits.size() / stride < rows) {
    return false;
  }
  for (std::uint64_t stored = 0; stored < rows; ++stored) {
    const unsigned char* row = bits.data() + stored * stride;
    // Rows are stored from the bottom up unless the height was negative.
    const std::uint64_t y = header.top_down ? stored : rows - 1 - stored;
    std::uint32_t* out = picture->pixels.data() + y * static_cast<std::uint64_t>(header.width);
    if (header.bit_count <= 8) {
      if (!DecodeIndexedRow(header, row, out)) {
        return false;
      }
    } else if (header.bit_count == 24) {
      DecodeBgrRow(header, row, out);
    } else {
      DecodeFieldRow(header, row, out);
    }
  }
  return true;
}

bool HasAnyAlpha(const Picture& picture) {
  for (std::uint32_t pixel : picture.pixels) {
    if ((pixel >> 24) != 0) {
      return true;
    }
  }
  return false;
}

}  // namespace taoci
