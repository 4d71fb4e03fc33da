#include <gtest/gtest.h>

#include <string>

#include "tests/image/fixtures.h"
#include "tests/image/picture_expect.h"
#include "tests/image/test_bytes.h"

namespace taoci::test {
namespace {

struct PngCase {
  const char* file;
  ExpectedPicture expected;
};

class PngFixture : public ::testing::TestWithParam<PngCase> {};

TEST_P(PngFixture, DecodesToTheKnownPixels) {
  const PngCase& c = GetParam();
  EXPECT_TRUE(SamePicture(Decode(Bytes(Fixture(c.file))), c.expected)) << c.file;
}

// All written by ImageMagick.
// clang-format off
INSTANTIATE_TEST_SUITE_P(AllColourTypesAndDepths, PngFixture, ::testing::Values(
    PngCase{"png_rgb.png", Reference()},
    PngCase{"png_rgba.png", ReferenceWithAlpha()},
    PngCase{"png_palette.png", Reference()},
    PngCase{"png_palette_trns.png", ReferenceMasked()},
    PngCase{"png_grey.png", Grey()},
    PngCase{"png_grey1.png", Mono()},
    PngCase{"png_grey16.png", Grey()},
    PngCase{"png_grey_alpha.png", GreyWithAlpha()},
    PngCase{"png_rgb16.png", Reference()},
    PngCase{"png_rgba16.png", ReferenceWithAlpha()},
    PngCase{"png_interlaced.png", ReferenceWithAlpha()}));
// clang-format on

std::string PngFixtureBytes(const char* name) { return Bytes(Fixture(name)); }

TEST(PngSizes, ImpossibleSizesGiveNoPicture) {
  struct Size {
    std::uint32_t width;
    std::uint32_t height;
  };
  for (const Size size : {Size{16385, 3}, Size{4, 16385}, Size{16384, 1954}, Size{0, 3},
                          Size{0x7FFFFFFF, 0x7FFFFFFF}, Size{0x80000000, 1}}) {
    std::string bytes = PngFixtureBytes("png_rgb.png");
    const std::size_t ihdr = FindPngChunk(bytes, "IHDR");
    PutU32Be(&bytes, ihdr + 8, size.width);
    PutU32Be(&bytes, ihdr + 12, size.height);
    FixPngCrc(&bytes, ihdr);
    EXPECT_FALSE(Decode(bytes)) << size.width << " x " << size.height;
  }
}

TEST(PngDamage, BadCrcOfACriticalChunkGivesNoPicture) {
  std::string bytes = PngFixtureBytes("png_rgb.png");
  const std::size_t idat = FindPngChunk(bytes, "IDAT");
  bytes[idat + 8 + 2] ^= 0x01;  // a byte of the compressed rows
  EXPECT_FALSE(Decode(bytes));
  FixPngCrc(&bytes, idat);  // with its CRC made to match, the data itself is damaged
  EXPECT_FALSE(Decode(bytes));
}

TEST(PngDamage, BadCrcOfAnAncillaryChunkIsDropped) {
  std::string bytes = PngFixtureBytes("png_rgb.png");
  std::string text = PngChunk("tEXt", std::string("Title\0taoci", 11));
  text.back() ^= 0x55;
  bytes.insert(FindPngChunk(bytes, "IDAT"), text);
  EXPECT_TRUE(SamePicture(Decode(bytes), Reference()));
}

TEST(PngDamage, PaletteIndexPastThePaletteGivesNoPicture) {
  // The palette fixture uses twelve entries; cut its PLTE to two.
  std::string bytes = PngFixtureBytes("png_palette.png");
  const std::size_t plte = FindPngChunk(bytes, "PLTE");
  const std::string two = PngChunk("PLTE", bytes.substr(plte + 8, 6));
  bytes.replace(plte, PngChunkSize(bytes, plte), two);
  EXPECT_FALSE(Decode(bytes));
}

TEST(PngDamage, MissingEndChunkGivesNoPicture) {
  std::string bytes = PngFixtureBytes("png_rgb.png");
  bytes.resize(FindPngChunk(bytes, "IEND"));
  EXPECT_FALSE(Decode(bytes));
}

TEST(PngDamage, ImageDataSplitByAnotherChunkGivesNoPicture) {
  // libpng only warns about IDAT after another chunk that follows IDAT.
  std::string bytes = PngFixtureBytes("png_rgb.png");
  bytes.insert(FindPngChunk(bytes, "IEND"),
               PngChunk("tEXt", std::string("Title\0taoci", 11)) +
                   PngChunk("IDAT", std::string("\x78\x9c\x03\x00\x00\x00\x00\x01", 8)));
  EXPECT_FALSE(Decode(bytes));
}

TEST(PngDamage, PaletteIndexPastAOneBitPaletteGivesNoPicture) {
  // A 1-bit palette image whose palette has one colour: every set bit is
  // past it. libpng checks no index of an image this small.
  std::string bytes = PngFixtureBytes("png_grey1.png");
  const std::size_t ihdr = FindPngChunk(bytes, "IHDR");
  bytes[ihdr + 8 + 9] = 3;  // colour type: palette
  FixPngCrc(&bytes, ihdr);
  const std::string one_colour = PngChunk("PLTE", std::string("\x10\x20\x30", 3));
  bytes.insert(FindPngChunk(bytes, "IDAT"), one_colour);
  EXPECT_FALSE(Decode(bytes));
  // With two colours every index is in the palette.
  const std::size_t plte = FindPngChunk(bytes, "PLTE");
  bytes.replace(plte, PngChunkSize(bytes, plte),
                PngChunk("PLTE", std::string("\x10\x20\x30\x40\x50\x60", 6)));
  const std::optional<Picture> picture = Decode(bytes);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->pixels[0], 0xFF102030u);
  EXPECT_EQ(picture->pixels[1], 0xFF405060u);
}

}  // namespace
}  // namespace taoci::test
