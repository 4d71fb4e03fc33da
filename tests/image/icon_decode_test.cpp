#include <gtest/gtest.h>

#include <string>

#include "tests/image/fixtures.h"
#include "tests/image/picture_expect.h"
#include "tests/image/test_bytes.h"

namespace taoci::test {
namespace {

struct IconCase {
  const char* file;
  ExpectedPicture expected;
};

class IconFixture : public ::testing::TestWithParam<IconCase> {};

TEST_P(IconFixture, DecodesToTheKnownPixels) {
  const IconCase& c = GetParam();
  EXPECT_TRUE(SamePicture(Decode(Bytes(Fixture(c.file))), c.expected)) << c.file;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(AllVariants, IconFixture, ::testing::Values(
    IconCase{"icon_imagemagick.ico", ReferenceWithAlpha()},  // 32 bits and a mask
    IconCase{"icon_mask.ico", ReferenceMasked()},  // 4 bits, the mask decides
    IconCase{"icon_alpha.ico", ReferenceWithAlpha()},  // alpha wins over the mask
    IconCase{"icon_zero_alpha.ico", ReferenceMasked()},  // alpha all 0: the mask
    IconCase{"icon_no_mask.ico", Reference()},  // no mask: opaque
    IconCase{"icon_png.ico", ReferenceWithAlpha()},  // a PNG inside
    IconCase{"icon_sizes.ico", ReferenceWithAlpha()},  // the largest, then deepest
    IconCase{"cursor.cur", ReferenceMasked()}));
// clang-format on

// Offsets in the fixtures: the directory entry of the first image starts at
// 6, its size at 14 and its offset at 18; the image itself at 22.
constexpr std::size_t kEntrySize = 14;
constexpr std::size_t kEntryOffset = 18;
constexpr std::size_t kImage = 22;

TEST(IconDirectory, EntriesOutsideTheFileGiveNoPicture) {
  const std::string reference = Bytes(Fixture("icon_mask.ico"));
  struct Patch {
    const char* what;
    std::size_t at;
    std::uint32_t value;
  };
  for (const Patch& patch : {Patch{"an offset past the end", kEntryOffset, 100000},
                             Patch{"an offset at the very end", kEntryOffset,
                                   static_cast<std::uint32_t>(reference.size())},
                             Patch{"a size past the end", kEntrySize, 129},
                             Patch{"a size that wraps around", kEntrySize, 0xFFFFFFF0},
                             Patch{"an offset that wraps around", kEntryOffset, 0xFFFFFFFF}}) {
    std::string bytes = reference;
    PutU32Le(&bytes, patch.at, patch.value);
    EXPECT_FALSE(Decode(bytes)) << patch.what;
  }
}

TEST(IconDirectory, MoreEntriesThanTheFileHoldsGiveNoPicture) {
  std::string bytes = Bytes(Fixture("icon_mask.ico"));
  PutU16Le(&bytes, 4, 1000);
  EXPECT_FALSE(Decode(bytes));
}

TEST(IconDirectory, ABrokenImageInAnotherEntryIsPassedOver) {
  // The small image of icon_sizes.ico given an unknown header: the others
  // still decode, and the chosen one is the same.
  std::string bytes = Bytes(Fixture("icon_sizes.ico"));
  const std::size_t first_image = 6 + 3 * 16;
  PutU32Le(&bytes, first_image, 41);
  EXPECT_TRUE(SamePicture(Decode(bytes), ReferenceWithAlpha()));
}

TEST(IconSizes, ImpossibleSizesGiveNoPicture) {
  for (std::uint32_t width : {16385u, 0u, 0x80000000u}) {
    std::string bytes = Bytes(Fixture("icon_mask.ico"));
    PutU32Le(&bytes, kImage + 4, width);
    EXPECT_FALSE(Decode(bytes)) << width;
  }
  // The height counts the mask rows too: 2 × 16385.
  std::string tall = Bytes(Fixture("icon_mask.ico"));
  PutU32Le(&tall, kImage + 8, 2 * 16385);
  EXPECT_FALSE(Decode(tall));
  // A PNG inside, with an IHDR of 20000 × 20000.
  std::string png = Bytes(Fixture("icon_png.ico"));
  PutU32Be(&png, kImage + 16, 20000);
  PutU32Be(&png, kImage + 20, 20000);
  FixPngCrc(&png, kImage + 8);
  EXPECT_FALSE(Decode(png));
}

TEST(IconBitmap, IndexPastTheColourTableGivesNoPicture) {
  // The 4-bit image's table cut from 16 colours to 2 (and the image moved
  // up with it): the reference uses indexes up to 11.
  std::string bytes = Bytes(Fixture("icon_mask.ico"));
  PutU32Le(&bytes, kImage + 32, 2);
  bytes.erase(kImage + 40 + 2 * 4, 14 * 4);
  PutU32Le(&bytes, kEntrySize, static_cast<std::uint32_t>(bytes.size() - kImage));
  EXPECT_FALSE(Decode(bytes));
}

TEST(IconBitmap, MaskCutShortGivesNoPicture) {
  std::string bytes = Bytes(Fixture("icon_mask.ico"));
  bytes.resize(bytes.size() - 2);
  PutU32Le(&bytes, kEntrySize, static_cast<std::uint32_t>(bytes.size() - kImage));
  EXPECT_FALSE(Decode(bytes));
}

TEST(IconBitmap, RunLengthCodingGivesNoPicture) {
  // The system draws no RLE in icons; such an image is damaged.
  std::string bytes = Bytes(Fixture("icon_no_mask.ico"));
  PutU32Le(&bytes, kImage + 16, 1);
  EXPECT_FALSE(Decode(bytes));
}

}  // namespace
}  // namespace taoci::test
