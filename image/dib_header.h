// The header of a device-independent bitmap, as BMP files and the bitmap
// images of icons and cursors hold it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace taoci {

enum class DibCompression { kNone, kRle8, kRle4, kBitFields };

struct DibHeader {
  std::int64_t width = 0;
  std::int64_t height = 0;  // rows, always positive; see top_down
  bool top_down = false;
  int bit_count = 0;  // 1, 4, 8, 16, 24 or 32
  DibCompression compression = DibCompression::kNone;
  // Where red, green, blue and alpha sit in a 16- or 32-bit pixel, each a
  // run of adjacent bits or 0 for none. Uncompressed 16 bits are 5-5-5;
  // uncompressed 32 bits are 8-8-8 with alpha in the top byte, which only an
  // icon uses.
  std::array<std::uint32_t, 4> masks{};
  // The colour table as opaque pixels: 2^bit_count entries or fewer, and
  // none above 8 bits.
  std::vector<std::uint32_t> palette;
  // Bytes of the header, its masks and its colour table together: where the
  // rows of an icon's bitmap begin.
  std::size_t size = 0;
};

// Reads the header at the start of `bytes`: BITMAPCOREHEADER (12 bytes),
// BITMAPINFOHEADER (40) or one of its longer versions (52, 56, 108, 124),
// with the masks and colour table that follow it. No header for another
// kind, for fields that do not fit together (RLE with the wrong depth or
// top-down, masks that are not runs of bits, a side of 0) or when the bytes
// end first. The size is not checked against the picture limits here.
std::optional<DibHeader> ReadDibHeader(std::span<const unsigned char> bytes);

// Bytes in one stored row: whole 32-bit words.
std::uint64_t DibRowStride(std::int64_t width, int bit_count);

}  // namespace taoci
