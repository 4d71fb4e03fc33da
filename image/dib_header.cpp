#include "image/dib_header.h"

#include <algorithm>
#include <bit>

#include "image/byte_reader.h"
#include "image/pixel.h"

namespace taoci {
namespace {

constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::size_t kInfoHeaderSize = 40;

bool IsKnownHeaderSize(std::uint32_t size) {
  return size == kCoreHeaderSize || size == kInfoHeaderSize || size == 52 || size == 56 ||
         size == 108 || size == 124;
}

// A mask must be one run of adjacent bits inside the pixel, or 0.
bool IsUsableMask(std::uint32_t mask, int bit_count) {
  if (mask == 0) {
    return true;
  }
  if (bit_count < 32 && (mask >> bit_count) != 0) {
    return false;
  }
  const std::uint32_t run = mask >> std::countr_zero(mask);
  return (run & (run + 1)) == 0;
}

bool SetCompression(std::uint32_t code, DibHeader* header) {
  const int bits = header->bit_count;
  switch (code) {
    case 0:  // BI_RGB
      header->compression = DibCompression::kNone;
      return true;
    case 1:  // BI_RLE8
      header->compression = DibCompression::kRle8;
      return bits == 8 && !header->top_down;
    case 2:  // BI_RLE4
      header->compression = DibCompression::kRle4;
      return bits == 4 && !header->top_down;
    case 3:  // BI_BITFIELDS
    case 6:  // BI_ALPHABITFIELDS
      header->compression = DibCompression::kBitFields;
      return bits == 16 || bits == 32;
    default:  // JPEG, PNG and the OS/2 codings are not bitmaps we draw
      return false;
  }
}

void SetDefaultMasks(DibHeader* header) {
  if (header->bit_count == 16) {
    header->masks = {0x7C00, 0x03E0, 0x001F, 0};
  } else if (header->bit_count == 32) {
    header->masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
  }
}

// The masks of a bit-field bitmap: inside the longer headers, or after the
// 40-byte one (three, or four for BI_ALPHABITFIELDS).
bool ReadMasks(std::span<const unsigned char> bytes, std::uint32_t header_size, std::uint32_t code,
               DibHeader* header) {
  std::size_t at = 40;
  std::size_t count = 3;
  if (header_size == kInfoHeaderSize) {
    count = code == 6 ? 4 : 3;
    header->size += count * 4;
  } else if (header_size >= 56) {
    count = 4;
  }
  if (bytes.size() < at + count * 4) {
    return false;
  }
  header->masks = {};
  for (std::size_t i = 0; i < count; ++i, at += 4) {
    header->masks[i] = LoadU32Le(bytes.data() + at);
  }
  for (std::uint32_t mask : header->masks) {
    if (!IsUsableMask(mask, header->bit_count)) {
      return false;
    }
  }
  return true;
}

bool ReadPalette(std::span<const unsigned char> bytes, std::uint64_t entries,
                 std::size_t entry_size, DibHeader* header) {
  if (entries > (bytes.size() - header->size) / entry_size) {
    return false;
  }
  const std::uint64_t usable =
      header->bit_count <= 8 ? std::min<std::uint64_t>(entries, 1u << header->bit_count) : 0;
  const unsigned char* entry = bytes.data() + header->size;
  header->palette.reserve(usable);
  for (std::uint64_t i = 0; i < usable; ++i, entry += entry_size) {
    header->palette.push_back(OpaquePixel(entry[2], entry[1], entry[0]));
  }
  header->size += static_cast<std::size_t>(entries) * entry_size;
  return true;
}

std::optional<DibHeader> ReadCoreHeader(std::span<const unsigned char> bytes) {
  DibHeader header;
  header.width = LoadU16Le(bytes.data() + 4);
  header.height = LoadU16Le(bytes.data() + 6);
  header.bit_count = static_cast<int>(LoadU16Le(bytes.data() + 10));
  header.size = kCoreHeaderSize;
  const int bits = header.bit_count;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24) {
    return std::nullopt;
  }
  const std::uint64_t entries = bits <= 8 ? 1u << bits : 0;
  if (!ReadPalette(bytes, entries, 3, &header)) {
    return std::nullopt;
  }
  return header;
}

std::optional<DibHeader> ReadInfoHeader(std::span<const unsigned char> bytes,
                                        std::uint32_t header_size) {
  DibHeader header;
  header.width = LoadS32Le(bytes.data() + 4);
  const std::int64_t height = LoadS32Le(bytes.data() + 8);
  header.top_down = height < 0;
  header.height = height < 0 ? -height : height;
  header.bit_count = static_cast<int>(LoadU16Le(bytes.data() + 14));
  header.size = header_size;
  const int bits = header.bit_count;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
    return std::nullopt;
  }
  const std::uint32_t code = LoadU32Le(bytes.data() + 16);
  if (!SetCompression(code, &header)) {
    return std::nullopt;
  }
  SetDefaultMasks(&header);
  if (header.compression == DibCompression::kBitFields &&
      !ReadMasks(bytes, header_size, code, &header)) {
    return std::nullopt;
  }
  const std::uint32_t colours_used = LoadU32Le(bytes.data() + 32);
  const std::uint64_t entries = colours_used != 0 ? colours_used : bits <= 8 ? 1u << bits : 0;
  if (!ReadPalette(bytes, entries, 4, &header)) {
    return std::nullopt;
  }
  return header;
}

}  // namespace

std::optional<DibHeader> ReadDibHeader(std::span<const unsigned char> bytes) {
  if (bytes.size() < 4) {
    return std::nullopt;
  }
  const std::uint32_t header_size = LoadU32Le(bytes.data());
  if (!IsKnownHeaderSize(header_size) || bytes.size() < header_size) {
    return std::nullopt;
  }
  std::optional<DibHeader> header =
      header_size == kCoreHeaderSize ? ReadCoreHeader(bytes) : ReadInfoHeader(bytes, header_size);
  if (header && (header->width < 1 || header->height < 1)) {
    return std::nullopt;
  }
  return header;
}

std::uint64_t DibRowStride(std::int64_t width, int bit_count) {
  const std::uint64_t bits = static_cast<std::uint64_t>(width) * static_cast<unsigned>(bit_count);
  return (bits + 31) / 32 * 4;
}

}  // namespace taoci
