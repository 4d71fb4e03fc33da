#include <gtest/gtest.h>

#include <string>

#include "tests/image/fixtures.h"
#include "tests/image/picture_expect.h"
#include "tests/image/test_bytes.h"

namespace taoci::test {
namespace {

// The reference on a 6 × 5 screen with its top left corner at (1, 2); the
// rest of the screen is transparent.
ExpectedPicture OnLargerScreen() {
  const ExpectedPicture reference = Reference();
  ExpectedPicture screen{6, 5, std::vector<std::uint32_t>(30, 0)};
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) {
      screen.pixels[static_cast<std::size_t>((y + 2) * 6 + x + 1)] =
          reference.pixels[static_cast<std::size_t>(y * 4 + x)];
    }
  }
  return screen;
}

// The reference cut to a 3 × 2 screen.
ExpectedPicture OnSmallerScreen() {
  return {3, 2, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF000000, 0xFFFFFF00, 0xFF00FFFF}};
}

struct GifCase {
  const char* file;
  ExpectedPicture expected;
};

class GifFixture : public ::testing::TestWithParam<GifCase> {};

TEST_P(GifFixture, DecodesToTheKnownPixels) {
  const GifCase& c = GetParam();
  EXPECT_TRUE(SamePicture(Decode(Bytes(Fixture(c.file))), c.expected)) << c.file;
}

// Written by ImageMagick; the offset and clipped ones have their screen and
// frame position changed afterwards.
// clang-format off
INSTANTIATE_TEST_SUITE_P(AllVariants, GifFixture, ::testing::Values(
    GifCase{"gif_reference.gif", Reference()},
    GifCase{"gif_transparent.gif", ReferenceMasked()},
    GifCase{"gif_interlaced.gif", Wide()},
    GifCase{"gif_animated.gif", Reference()},  // the first of two frames
    GifCase{"gif_offset.gif", OnLargerScreen()},
    GifCase{"gif_clipped.gif", OnSmallerScreen()}));
// clang-format on

TEST(GifVersion, Gif87aDecodes) {
  std::string bytes = Bytes(Fixture("gif_reference.gif"));
  bytes[4] = '7';
  EXPECT_TRUE(SamePicture(Decode(bytes), Reference()));
}

TEST(GifPalette, LocalColourTableIsUsed) {
  // The global table moved into the image descriptor as the frame's own.
  std::string bytes = Bytes(Fixture("gif_reference.gif"));
  const std::string table = bytes.substr(13, 16 * 3);
  const auto packed = static_cast<unsigned char>(bytes[10]);
  bytes[10] = static_cast<char>(packed & 0x7F);
  bytes.erase(13, table.size());
  const std::size_t image = FindGifImage(bytes);
  ASSERT_NE(image, std::string::npos);
  bytes[image + 9] = static_cast<char>(0x80 | (packed & 7));
  bytes.insert(image + 10, table);
  EXPECT_TRUE(SamePicture(Decode(bytes), Reference()));
}

TEST(GifSizes, ImpossibleSizesGiveNoPicture) {
  const std::string reference = Bytes(Fixture("gif_reference.gif"));
  const std::size_t image = FindGifImage(reference);
  ASSERT_NE(image, std::string::npos);
  struct Patch {
    const char* what;
    std::size_t at;
    std::uint32_t value;
  };
  for (const Patch& patch :
       {Patch{"screen 16385 wide", 6, 16385}, Patch{"screen 65535 high", 8, 65535},
        Patch{"screen 0 wide", 6, 0}, Patch{"frame 16385 wide", image + 5, 16385},
        Patch{"frame 65535 high", image + 7, 65535}, Patch{"frame 0 high", image + 7, 0}}) {
    std::string bytes = reference;
    PutU16Le(&bytes, patch.at, patch.value);
    EXPECT_FALSE(Decode(bytes)) << patch.what;
  }
}

TEST(GifDamage, PixelPastThePaletteGivesNoPicture) {
  // Cut the global colour table from sixteen entries to two: the reference
  // uses indexes up to eleven.
  std::string bytes = Bytes(Fixture("gif_reference.gif"));
  bytes[10] = static_cast<char>(static_cast<unsigned char>(bytes[10]) & ~7u);
  bytes.erase(13 + 2 * 3, 14 * 3);
  EXPECT_FALSE(Decode(bytes));
}

TEST(GifDamage, NoColourTableGivesNoPicture) {
  std::string bytes = Bytes(Fixture("gif_reference.gif"));
  bytes[10] = static_cast<char>(static_cast<unsigned char>(bytes[10]) & 0x7F);
  bytes.erase(13, 16 * 3);
  EXPECT_FALSE(Decode(bytes));
}

TEST(GifDamage, FileWithoutAnImageGivesNoPicture) {
  std::string bytes = Bytes(Fixture("gif_reference.gif"));
  bytes.resize(FindGifImage(bytes));
  bytes.push_back(';');
  EXPECT_FALSE(Decode(bytes));
}

TEST(GifDamage, DamageInALaterFrameGivesNoPicture) {
  // The second frame's data is passed over, not decoded, but its blocks must
  // still be whole up to the trailer.
  std::string bytes = Bytes(Fixture("gif_animated.gif"));
  bytes.resize(bytes.size() - 3);
  bytes.push_back(';');
  EXPECT_FALSE(Decode(bytes));
}

}  // namespace
}  // namespace taoci::test
