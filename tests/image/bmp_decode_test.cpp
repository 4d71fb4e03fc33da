#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/image/fixtures.h"
#include "tests/image/picture_expect.h"
#include "tests/image/test_bytes.h"

namespace taoci::test {
namespace {

// bmp_555.bmp holds 128 as 0x10 and 64 as 0x08; ImageMagick, writing
// bmp_565.bmp, truncates: 128 to 0x0F (0x1F in 6 bits) and 64 to 0x07.
// Fields narrower than 8 bits widen to the nearest of 0 to 255, value × 255
// ÷ its largest: 5 bits 0x10 → 0x84 (131.6), 0x0F → 0x7B (123.4), 0x08 →
// 0x42 (65.8), 0x07 → 0x3A (57.6); 6 bits 0x1F → 0x7D (125.5); 4 bits 0x8 →
// 0x88 (136), 0x4 → 0x44 (68).
ExpectedPicture Reference555() {
  return FourByThree({0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF,  //
                      0xFF000000, 0xFFFFFF00, 0xFF00FFFF, 0xFFFF00FF,  //
                      0xFF848484, 0xFFFF8400, 0xFF0084FF, 0xFF840042});
}

ExpectedPicture Reference565() {
  return FourByThree({0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF,  //
                      0xFF000000, 0xFFFFFF00, 0xFF00FFFF, 0xFFFF00FF,  //
                      0xFF7B7D7B, 0xFFFF7D00, 0xFF007DFF, 0xFF7B003A});
}

ExpectedPicture Reference444() {
  return FourByThree({0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF,  //
                      0xFF000000, 0xFFFFFF00, 0xFF00FFFF, 0xFFFF00FF,  //
                      0xFF888888, 0xFFFF8800, 0xFF0088FF, 0xFF880044});
}

// The RLE8 fixture leaves the top row's first and last pixels and the bottom
// row's last pixel unwritten: they are transparent.
ExpectedPicture RleWithSkips() {
  return FourByThree({0x00000000, 0xFF00FF00, 0xFF00FF00, 0x00000000,  //
                      0xFF000000, 0xFFFFFF00, 0xFF00FFFF, 0xFFFF00FF,  //
                      0xFF808080, 0xFFFF8000, 0xFF0080FF, 0x00000000});
}

struct BmpCase {
  const char* file;
  ExpectedPicture expected;
};

class BmpFixture : public ::testing::TestWithParam<BmpCase> {};

TEST_P(BmpFixture, DecodesToTheKnownPixels) {
  const BmpCase& c = GetParam();
  EXPECT_TRUE(SamePicture(Decode(Bytes(Fixture(c.file))), c.expected)) << c.file;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(AllVariants, BmpFixture, ::testing::Values(
    BmpCase{"bmp_1.bmp", Mono()},  // ImageMagick
    BmpCase{"bmp_4_imagemagick.bmp", Reference()},  // ImageMagick
    BmpCase{"bmp_4.bmp", Reference()},
    BmpCase{"bmp_8.bmp", Reference()},
    BmpCase{"bmp_24.bmp", Reference()},  // ImageMagick
    BmpCase{"bmp_topdown.bmp", Reference()},
    BmpCase{"bmp_core_8.bmp", Reference()},
    BmpCase{"bmp_core_24.bmp", Reference()},
    BmpCase{"bmp_555.bmp", Reference555()},
    BmpCase{"bmp_565.bmp", Reference565()},  // ImageMagick, V5
    BmpCase{"bmp_444_bitfields.bmp", Reference444()},
    BmpCase{"bmp_32_rgb.bmp", Reference()},
    BmpCase{"bmp_32_alpha.bmp", ReferenceWithAlpha()},  // ImageMagick, V5
    BmpCase{"bmp_32_zero_alpha.bmp", Reference()},
    BmpCase{"bmp_rle8.bmp", Reference()},  // ImageMagick
    BmpCase{"bmp_rle8_skips.bmp", RleWithSkips()},
    BmpCase{"bmp_rle4.bmp", Reference()}));
// clang-format on

// A 4 × 2 RLE8 bitmap of two colours, for runs that go wrong.
std::optional<Picture> Rle8(std::string_view runs, int width = 4, int height = 2) {
  return Decode(BuildBmp(width, height, 8, 1, {0xFF0000, 0x00FF00}, runs));
}

std::string Runs(std::initializer_list<int> bytes) {
  std::string runs;
  for (int b : bytes) {
    runs.push_back(static_cast<char>(b));
  }
  return runs;
}

TEST(BmpRle, WellFormedRunsDecode) {
  // Two rows of four, each a run of one colour.
  const std::optional<Picture> picture = Rle8(Runs({4, 0, 0, 0, 4, 1, 0, 1}));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->pixels[0], 0xFF00FF00u);  // the top row is stored last
  EXPECT_EQ(picture->pixels[4], 0xFFFF0000u);
}

struct BadRuns {
  const char* what;
  std::string runs;
};

class BmpBadRle : public ::testing::TestWithParam<BadRuns> {};

TEST_P(BmpBadRle, GiveNoPicture) { EXPECT_FALSE(Rle8(GetParam().runs)) << GetParam().what; }

// clang-format off
INSTANTIATE_TEST_SUITE_P(RunsAndJumps, BmpBadRle, ::testing::Values(
    BadRuns{"a run past the right edge", Runs({5, 0, 0, 1})},
    BadRuns{"two runs that together pass the edge", Runs({3, 0, 2, 1, 0, 1})},
    BadRuns{"a literal run past the right edge", Runs({0, 5, 0, 1, 0, 1, 0, 0, 0, 1})},
    BadRuns{"a jump past the right edge", Runs({0, 2, 5, 0, 0, 1})},
    BadRuns{"a jump above the top row", Runs({0, 2, 0, 2, 0, 1})},
    BadRuns{"a run after the last row", Runs({0, 0, 0, 0, 1, 0, 0, 1})},
    BadRuns{"a jump far above the image", Runs({0, 2, 255, 255, 0, 1})},
    BadRuns{"an index past the colour table", Runs({4, 7, 0, 1})},
    BadRuns{"a literal index past the colour table", Runs({0, 3, 0, 1, 9, 0, 0, 1})},
    BadRuns{"no end-of-bitmap code", Runs({4, 0, 0, 0, 4, 1})},
    BadRuns{"a literal run cut short", Runs({0, 4, 0, 1})},
    BadRuns{"a jump cut short", Runs({0, 2, 1})},
    BadRuns{"nothing at all", Runs({})}));
// clang-format on

TEST(BmpRle, Rle4RunPastTheEdgeGivesNoPicture) {
  // Width 3: a run of four nibbles does not fit.
  EXPECT_FALSE(Decode(BuildBmp(3, 1, 4, 2, {0, 0xFFFFFF}, Runs({4, 0x01, 0, 1}))));
  EXPECT_TRUE(Decode(BuildBmp(3, 1, 4, 2, {0, 0xFFFFFF}, Runs({3, 0x01, 0, 1}))));
}

TEST(BmpRle, TopDownRleGivesNoPicture) {
  // The system refuses negative heights with RLE; a file that has one is
  // damaged.
  EXPECT_FALSE(Decode(BuildBmp(4, -2, 8, 1, {0xFF0000}, Runs({4, 0, 0, 0, 4, 0, 0, 1}))));
}

TEST(BmpIndexes, IndexPastTheColourTableGivesNoPicture) {
  // Two colours in the table, and index 2 in the second pixel.
  const std::string row = Runs({0, 2, 0, 0});
  EXPECT_TRUE(Decode(BuildBmp(2, 1, 8, 0, {0xFF0000, 0x0000FF}, Runs({0, 1, 0, 0}))));
  EXPECT_FALSE(Decode(BuildBmp(2, 1, 8, 0, {0xFF0000, 0x0000FF}, row)));
  // 1 bit with a table of one colour: a set bit is past it.
  EXPECT_FALSE(Decode(BuildBmp(1, 1, 1, 0, {0xFF0000}, Runs({0x80, 0, 0, 0}))));
}

// A 24-bit file with `width` × `height` in its header and the rows for
// that size, for the size limits.
std::string Bmp24(int width, int height) {
  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  return BuildBmp(
      width, height, 24, 0, {},
      std::string(stride * static_cast<std::size_t>(height < 0 ? -height : height), '\x7F'));
}

TEST(BmpSizes, LargestAllowedSideDecodes) {
  const std::optional<Picture> picture = Decode(Bmp24(16384, 1));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 16384);
  EXPECT_EQ(picture->pixels.back(), 0xFF7F7F7Fu);
}

TEST(BmpSizes, ImpossibleSizesInATinyFileGiveNoPicture) {
  const std::string reference = Bytes(Fixture("bmp_24.bmp"));
  struct Size {
    std::uint32_t width;
    std::uint32_t height;
  };
  for (const Size size :
       {Size{16385, 1}, Size{1, 16385}, Size{16384, 1954}, Size{0, 3}, Size{4, 0},
        Size{0x7FFFFFFF, 3}, Size{0x80000000, 3}, Size{4, 0x80000000}, Size{20000, 20000}}) {
    std::string bytes = reference;
    PutU32Le(&bytes, 18, size.width);
    PutU32Le(&bytes, 22, size.height);
    EXPECT_FALSE(Decode(bytes)) << size.width << " x " << size.height;
  }
}

TEST(BmpHeader, InconsistentFieldsGiveNoPicture) {
  const std::string reference = Bytes(Fixture("bmp_8.bmp"));
  ASSERT_TRUE(Decode(reference));
  struct Patch {
    const char* what;
    std::size_t at;
    std::uint32_t value;
    bool two_bytes;
  };
  for (const Patch& patch :
       {Patch{"rows before the colour table", 10, 60, false},
        Patch{"rows after the end of the file", 10, 100000, false},
        Patch{"an unknown header size", 14, 41, false},
        Patch{"a header larger than the file", 14, 124, false},
        Patch{"a colour table larger than the file", 46, 100000, false},
        Patch{"RLE4 with 8 bits", 30, 2, false}, Patch{"JPEG inside", 30, 4, false},
        Patch{"2 bits per pixel", 28, 2, true}}) {
    std::string bytes = reference;
    if (patch.two_bytes) {
      PutU16Le(&bytes, patch.at, patch.value);
    } else {
      PutU32Le(&bytes, patch.at, patch.value);
    }
    EXPECT_FALSE(Decode(bytes)) << patch.what;
  }
}

TEST(BmpHeader, MasksThatAreNoRunsOfBitsGiveNoPicture) {
  std::string bytes = Bytes(Fixture("bmp_444_bitfields.bmp"));
  ASSERT_TRUE(Decode(bytes));
  PutU32Le(&bytes, 54, 0x0F0F);  // red in two pieces
  EXPECT_FALSE(Decode(bytes));
  PutU32Le(&bytes, 54, 0x10000);  // red outside a 16-bit pixel
  EXPECT_FALSE(Decode(bytes));
}

}  // namespace
}  // namespace taoci::test
