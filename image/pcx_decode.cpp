#include "image/pcx_decode.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "image/byte_reader.h"
#include "image/picture_limits.h"
#include "image/pixel.h"

namespace taoci {
namespace {

constexpr std::size_t kHeaderSize = 128;
constexpr std::size_t kHeaderPaletteAt = 16;
// The 256-colour palette at the end of the file: a marker byte, then 256
// entries of red, green, blue.
constexpr std::size_t kEndPaletteSize = 1 + 256 * 3;
constexpr unsigned char kEndPaletteMarker = 0x0C;

// The sixteen colours of the EGA, for files of versions that carry no
// palette of their own.
constexpr std::array<std::uint32_t, 16> kEgaPalette = {
    0xFF000000, 0xFF0000AA, 0xFF00AA00, 0xFF00AAAA, 0xFFAA0000, 0xFFAA00AA, 0xFFAA5500, 0xFFAAAAAA,
    0xFF555555, 0xFF5555FF, 0xFF55FF55, 0xFF55FFFF, 0xFFFF5555, 0xFFFF55FF, 0xFFFFFF55, 0xFFFFFFFF};

struct PcxHeader {
  int version = 0;
  int bits = 0;  // per pixel in each plane
  int planes = 0;
  std::size_t bytes_per_line = 0;  // of each plane
  std::int64_t width = 0;
  std::int64_t height = 0;
};

std::optional<PcxHeader> ReadHeader(std::span<const unsigned char> bytes) {
  if (bytes.size() < kHeaderSize || bytes[0] != 0x0A || bytes[2] != 1) {
    return std::nullopt;
  }
  PcxHeader header;
  header.version = bytes[1];
  header.bits = bytes[3];
  header.planes = bytes[65];
  header.bytes_per_line = LoadU16Le(bytes.data() + 66);
  const std::int64_t x_min = LoadU16Le(bytes.data() + 4);
  const std::int64_t y_min = LoadU16Le(bytes.data() + 6);
  const std::int64_t x_max = LoadU16Le(bytes.data() + 8);
  const std::int64_t y_max = LoadU16Le(bytes.data() + 10);
  header.width = x_max - x_min + 1;
  header.height = y_max - y_min + 1;
  const int v = header.version;
  const bool known_version = v == 0 || v == 2 || v == 3 || v == 4 || v == 5;
  const bool known_kind = (header.bits == 1 && header.planes >= 1 && header.planes <= 4) ||
                          (header.bits == 8 && (header.planes == 1 || header.planes == 3));
  // A plane's line must hold a row; writers may pad it, never shorten it.
  const auto row_bytes = static_cast<std::uint64_t>((header.width * header.bits + 7) / 8);
  if (!known_version || !known_kind || !PictureSizeAllowed(header.width, header.height) ||
      header.bytes_per_line < row_bytes) {
    return std::nullopt;
  }
  return header;
}

// The run-length coding: a byte with its top two bits set repeats the next
// byte (its low six bits) times; any other byte stands for itself. Runs may
// go on from one line into the next, as many writers let them.
class PcxRuns {
 public:
  explicit PcxRuns(std::span<const unsigned char> coded) : coded_(coded) {}

  bool Read(unsigned char* out, std::size_t count) {
    while (count > 0) {
      if (left_ == 0) {
        if (at_ == coded_.size()) {
          return false;
        }
        const unsigned char code = coded_[at_++];
        if ((code & 0xC0) != 0xC0) {
          left_ = 1;
          value_ = code;
          continue;
        }
        if (at_ == coded_.size()) {
          return false;
        }
        left_ = code & 0x3F;
        value_ = coded_[at_++];
        continue;
      }
      const std::size_t taken = std::min(left_, count);
      std::memset(out, value_, taken);
      out += taken;
      count -= taken;
      left_ -= taken;
    }
    return true;
  }

  // Where the coded image ends: the first byte after its last code.
  std::size_t end() const { return at_; }

 private:
  std::span<const unsigned char> coded_;
  std::size_t at_ = 0;
  std::size_t left_ = 0;
  unsigned char value_ = 0;
};

std::array<std::uint32_t, 16> SixteenColours(const PcxHeader& header,
                                             std::span<const unsigned char> bytes) {
  if (header.version == 0 || header.version == 3) {
    return kEgaPalette;
  }
  std::array<std::uint32_t, 16> palette{};
  const unsigned char* entry = bytes.data() + kHeaderPaletteAt;
  for (std::uint32_t& colour : palette) {
    colour = OpaquePixel(entry[0], entry[1], entry[2]);
    entry += 3;
  }
  return palette;
}

// Bit planes: each pixel's index takes its bit n from plane n. One plane is
// black and white, whatever the header's palette says.
void StorePlaneRow(const PcxHeader& header, const std::array<std::uint32_t, 16>& palette,
                   const unsigned char* line, std::uint32_t* out) {
  for (std::int64_t x = 0; x < header.width; ++x) {
    unsigned index = 0;
    for (int plane = 0; plane < header.planes; ++plane) {
      const unsigned char byte = line[plane * header.bytes_per_line + x / 8];
      index |= ((byte >> (7 - x % 8)) & 1u) << plane;
    }
    out[x] = header.planes == 1 ? (index != 0 ? 0xFFFFFFFFu : 0xFF000000u) : palette[index];
  }
}

void StoreRgbRow(const PcxHeader& header, const unsigned char* line, std::uint32_t* out) {
  const std::size_t plane = header.bytes_per_line;
  for (std::int64_t x = 0; x < header.width; ++x) {
    out[x] = OpaquePixel(line[x], line[plane + x], line[2 * plane + x]);
  }
}

// The 256 colours for an 8-bit image whose coded rows end at `image_end`.
std::optional<std::array<std::uint32_t, 256>> EndPalette(std::span<const unsigned char> bytes,
                                                         std::size_t image_end) {
  std::array<std::uint32_t, 256> palette{};
  const std::size_t left = bytes.size() - image_end;
  if (left == 0) {
    for (std::uint32_t i = 0; i < 256; ++i) {
      palette[i] = OpaquePixel(i, i, i);
    }
    return palette;
  }
  const std::size_t at = bytes.size() - kEndPaletteSize;
  if (left < kEndPaletteSize || bytes[at] != kEndPaletteMarker) {
    return std::nullopt;
  }
  const unsigned char* entry = bytes.data() + at + 1;
  for (std::uint32_t& colour : palette) {
    colour = OpaquePixel(entry[0], entry[1], entry[2]);
    entry += 3;
  }
  return palette;
}

}  // namespace

std::optional<Picture> DecodePcx(std::span<const unsigned char> bytes) {
  std::optional<PcxHeader> header = ReadHeader(bytes);
  Picture picture;
  if (!header || !AllocatePicture(header->width, header->height, &picture)) {
    return std::nullopt;
  }
  const std::array<std::uint32_t, 16> sixteen = SixteenColours(*header, bytes);
  const bool indexed = header->bits == 8 && header->planes == 1;
  PcxRuns runs(bytes.subspan(kHeaderSize));
  std::vector<unsigned char> line(header->bytes_per_line * header->planes);
  for (std::int64_t y = 0; y < header->height; ++y) {
    if (!runs.Read(line.data(), line.size())) {
      return std::nullopt;
    }
    std::uint32_t* out = picture.pixels.data() + y * header->width;
    if (indexed) {
      // The palette comes after the rows: the indexes wait in the pixels.
      std::copy_n(line.begin(), header->width, out);
    } else if (header->bits == 8) {
      StoreRgbRow(*header, line.data(), out);
    } else {
      StorePlaneRow(*header, sixteen, line.data(), out);
    }
  }
  if (indexed) {
    const auto palette = EndPalette(bytes, kHeaderSize + runs.end());
    if (!palette) {
      return std::nullopt;
    }
    for (std::uint32_t& pixel : picture.pixels) {
      pixel = (*palette)[pixel];
    }
  }
  return picture;
}

}  // namespace taoci
