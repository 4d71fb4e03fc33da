// The pictures that the fixtures of tests/image/data hold, pixel by pixel
// (tools/make_image_fixtures.py writes them from the same values), as the
// decoder must give them: 0xAARRGGBB, premultiplied.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace taoci::test {

struct ExpectedPicture {
  int width;
  int height;
  std::vector<std::uint32_t> pixels;  // top row first
};

// The size of every fixture but three.
inline ExpectedPicture FourByThree(std::vector<std::uint32_t> pixels) {
  return {4, 3, std::move(pixels)};
}

// 4 × 3: red, green, blue, white / black, yellow, cyan, magenta /
// grey, orange, azure, plum.
inline ExpectedPicture Reference() {
  return FourByThree({0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF,  //
                      0xFF000000, 0xFFFFFF00, 0xFF00FFFF, 0xFFFF00FF,  //
                      0xFF808080, 0xFFFF8000, 0xFF0080FF, 0xFF800040});
}

// The reference with alpha: white at 0, yellow at 128, grey at 64,
// premultiplied (255 × 128 / 255 = 128, 128 × 64 / 255 = 32.1 → 32).
inline ExpectedPicture ReferenceWithAlpha() {
  return FourByThree({0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x00000000,  //
                      0xFF000000, 0x80808000, 0xFF00FFFF, 0xFFFF00FF,  //
                      0x40202020, 0xFFFF8000, 0xFF0080FF, 0xFF800040});
}

// The reference with only its top right pixel transparent, for the formats
// whose transparency is on or off.
inline ExpectedPicture ReferenceMasked() {
  return FourByThree({0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x00000000,  //
                      0xFF000000, 0xFFFFFF00, 0xFF00FFFF, 0xFFFF00FF,  //
                      0xFF808080, 0xFFFF8000, 0xFF0080FF, 0xFF800040});
}

inline ExpectedPicture Grey() {
  return FourByThree({0xFF000000, 0xFF202020, 0xFF404040, 0xFF606060,  //
                      0xFF808080, 0xFFA0A0A0, 0xFFC0C0C0, 0xFFE0E0E0,  //
                      0xFFFFFFFF, 0xFFF0F0F0, 0xFF101010, 0xFF080808});
}

// The grey picture with the reference's alpha, premultiplied
// (0xA0 × 128 / 255 = 80.3 → 0x50, 0xFF × 64 / 255 = 64 → 0x40).
inline ExpectedPicture GreyWithAlpha() {
  return FourByThree({0xFF000000, 0xFF202020, 0xFF404040, 0x00000000,  //
                      0xFF808080, 0x80505050, 0xFFC0C0C0, 0xFFE0E0E0,  //
                      0x40404040, 0xFFF0F0F0, 0xFF101010, 0xFF080808});
}

inline ExpectedPicture Mono() {
  constexpr std::uint32_t k = 0xFF000000;
  constexpr std::uint32_t w = 0xFFFFFFFF;
  return FourByThree({k, w, k, w, w, w, k, k, k, k, k, w});
}

// The sixteen colours of the index fixtures; the first twelve in this order
// make the reference picture.
inline std::vector<std::uint32_t> Sixteen() {
  return {0xFF000000, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFFFFFF00,
          0xFF00FFFF, 0xFFFF00FF, 0xFF808080, 0xFFFF8000, 0xFF0080FF, 0xFF800040,
          0xFF112233, 0xFF445566, 0xFF778899, 0xFFAABBCC};
}

// 8 × 9 rows of the reference's colours, each row one step on: for the
// interlaced GIF, whose four passes need that many rows.
inline ExpectedPicture Wide() {
  ExpectedPicture picture{8, 9, {}};
  const std::vector<std::uint32_t> colours = Sixteen();
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 8; ++x) {
      picture.pixels.push_back(colours[static_cast<std::size_t>((x + y) % 12)]);
    }
  }
  return picture;
}

}  // namespace taoci::test
