#include "image/dib_rle.h"

#include <cstddef>
#include <cstdint>

namespace taoci {
namespace {

// The pen of the decoder: the next pixel to be written, counted from the
// bottom row, which is stored first.
class RleCanvas {
 public:
  RleCanvas(const DibHeader& header, Picture* picture) : header_(header), picture_(picture) {}

  // Room for `count` more pixels on the current row.
  bool Fits(std::int64_t count) const { return y_ < header_.height && x_ + count <= header_.width; }

  // Writes one pixel, after Fits has made room for it.
  bool Put(std::size_t index) {
    if (index >= header_.palette.size()) {
      return false;
    }
    const std::int64_t row = header_.height - 1 - y_;
    picture_->pixels[static_cast<std::size_t>(row * header_.width + x_)] = header_.palette[index];
    ++x_;
    return true;
  }

  void EndLine() {
    x_ = 0;
    ++y_;
  }

  // A jump must land inside the image, or just past the end of a row.
  bool Jump(int right, int up) {
    x_ += right;
    y_ += up;
    return x_ <= header_.width && y_ < header_.height;
  }

 private:
  const DibHeader& header_;
  Picture* picture_;
  std::int64_t x_ = 0;
  std::int64_t y_ = 0;
};

// RLE4 takes the two halves of a byte in turn, the high one first.
std::size_t Nibble(unsigned byte, int i) { return i % 2 == 0 ? byte >> 4 : byte & 0x0F; }

}  // namespace

bool DecodeDibRle(const DibHeader& header, std::span<const unsigned char> bits, Picture* picture) {
  const bool four_bits = header.compression == DibCompression::kRle4;
  RleCanvas canvas(header, picture);
  std::size_t at = 0;
  for (;;) {
    if (bits.size() - at < 2) {
      return false;  // no end-of-bitmap code
    }
    const int count = bits[at];
    const int value = bits[at + 1];
    at += 2;
    if (count > 0) {
      // A repeated run: `count` pixels of one index (RLE4: of two,
      // alternating).
      if (!canvas.Fits(count)) {
        return false;
      }
      for (int i = 0; i < count; ++i) {
        if (!canvas.Put(four_bits ? Nibble(value, i) : static_cast<std::size_t>(value))) {
          return false;
        }
      }
      continue;
    }
    switch (value) {
      case 0:  // end of line
        canvas.EndLine();
        break;
      case 1:  // end of bitmap
        return true;
      case 2: {  // jump right and up
        if (bits.size() - at < 2) {
          return false;
        }
        const int right = bits[at];
        const int up = bits[at + 1];
        at += 2;
        if (!canvas.Jump(right, up)) {
          return false;
        }
        break;
      }
      default: {  // `value` literal pixels, padded to a whole 16-bit word
        const std::size_t bytes = four_bits ? (value + 1) / 2 : value;
        const std::size_t padded = (bytes + 1) / 2 * 2;
        if (bits.size() - at < padded || !canvas.Fits(value)) {
          return false;
        }
        for (int i = 0; i < value; ++i) {
          const std::size_t index = four_bits ? Nibble(bits[at + i / 2], i) : bits[at + i];
          if (!canvas.Put(index)) {
            return false;
          }
        }
        at += padded;
        break;
      }
    }
  }
}

}  // namespace taoci
