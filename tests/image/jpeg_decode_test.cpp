#include <gtest/gtest.h>

#include <string>

#include "tests/image/fixtures.h"
#include "tests/image/picture_expect.h"
#include "tests/image/test_bytes.h"

namespace taoci::test {
namespace {

// Quality 100 without subsampling still rounds through YCbCr (or CMYK): a
// step or two per channel is lost, and libjpeg's SIMD and plain C paths may
// differ by one more.
constexpr int kTolerance = 3;

struct JpegCase {
  const char* file;
  ExpectedPicture expected;
};

class JpegFixture : public ::testing::TestWithParam<JpegCase> {};

TEST_P(JpegFixture, DecodesCloseToTheKnownPixels) {
  const JpegCase& c = GetParam();
  const std::optional<Picture> picture = Decode(Bytes(Fixture(c.file)));
  EXPECT_TRUE(NearPicture(picture, c.expected, kTolerance)) << c.file;
  if (picture) {
    RecordProperty(c.file, LargestDifference(*picture, c.expected));
  }
}

// All written by ImageMagick through libjpeg-turbo.
// clang-format off
INSTANTIATE_TEST_SUITE_P(BaselineProgressiveGreyCmyk, JpegFixture, ::testing::Values(
    JpegCase{"jpeg_baseline.jpg", Reference()},
    JpegCase{"jpeg_progressive.jpg", Reference()},
    JpegCase{"jpeg_grey.jpg", Grey()},
    JpegCase{"jpeg_cmyk.jpg", Reference()}));
// clang-format on

TEST(JpegSubsampled, FlatSquaresKeepTheirColours) {
  // 16 × 16 in four flat squares, colour at half resolution both ways: away
  // from the edges between squares the colours come back.
  const std::optional<Picture> picture = Decode(Bytes(Fixture("jpeg_subsampled.jpg")));
  ASSERT_TRUE(picture);
  ASSERT_EQ(picture->width, 16);
  ASSERT_EQ(picture->height, 16);
  struct Square {
    int x;
    int y;
    std::uint32_t colour;
  };
  for (const Square square : {Square{0, 0, 0xFFFF0000}, Square{8, 0, 0xFF0000FF},
                              Square{0, 8, 0xFF00FF00}, Square{8, 8, 0xFFFFFFFF}}) {
    ExpectedPicture expected{4, 4, std::vector<std::uint32_t>(16, square.colour)};
    Picture inner{4, 4, {}};
    for (int y = 2; y < 6; ++y) {
      for (int x = 2; x < 6; ++x) {
        inner.pixels.push_back(
            picture->pixels[static_cast<std::size_t>((square.y + y) * 16 + square.x + x)]);
      }
    }
    EXPECT_TRUE(NearPicture(inner, expected, 12)) << square.x << ", " << square.y;
  }
}

TEST(JpegCmyk, WithoutAdobesMarkerTheInksAreNotInverted) {
  // Adobe's marker says the file stores CMYK inverted, as its writers do.
  // Renamed to another marker, the same bytes read as plain CMYK: the white
  // pixel, all 255 when inverted, becomes black.
  std::string bytes = Bytes(Fixture("jpeg_cmyk.jpg"));
  const std::size_t adobe = bytes.find("Adobe");
  ASSERT_NE(adobe, std::string::npos);
  ASSERT_EQ(bytes.substr(adobe - 4, 2), "\xFF\xEE");
  bytes[adobe - 3] = '\xEF';
  const std::optional<Picture> picture = Decode(bytes);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->pixels[3] & 0xFFF0F0F0, 0xFF000000u);
}

TEST(JpegSizes, ImpossibleSizesGiveNoPicture) {
  struct Size {
    std::uint32_t width;
    std::uint32_t height;
  };
  for (const Size size :
       {Size{16385, 3}, Size{4, 16385}, Size{16384, 1954}, Size{65535, 65535}, Size{0, 3}}) {
    std::string bytes = Bytes(Fixture("jpeg_baseline.jpg"));
    const std::size_t frame = FindJpegFrame(bytes);
    ASSERT_NE(frame, std::string::npos);
    // FF Cn, length, precision, height, width.
    PutU16Be(&bytes, frame + 5, size.height);
    PutU16Be(&bytes, frame + 7, size.width);
    EXPECT_FALSE(Decode(bytes)) << size.width << " x " << size.height;
  }
}

TEST(JpegPrecision, TwelveBitsGiveNoPicture) {
  std::string bytes = Bytes(Fixture("jpeg_baseline.jpg"));
  bytes[FindJpegFrame(bytes) + 4] = 12;
  EXPECT_FALSE(Decode(bytes));
}

TEST(JpegDamage, StreamCutShortIsNotPaddedWithGrey) {
  // libjpeg would give a whole picture for each of these, its missing rows
  // grey, and only warn.
  const std::string bytes = Bytes(Fixture("jpeg_baseline.jpg"));
  for (std::size_t cut : {bytes.size() - 2, bytes.size() - 20, bytes.size() / 2}) {
    EXPECT_FALSE(Decode(bytes.substr(0, cut))) << cut;
  }
  const std::string progressive = Bytes(Fixture("jpeg_progressive.jpg"));
  EXPECT_FALSE(Decode(progressive.substr(0, progressive.size() - 40)));
}

TEST(JpegDamage, GarbageInTheScanGivesNoPicture) {
  // A marker in the middle of the entropy-coded data ends the segment early.
  std::string bytes = Bytes(Fixture("jpeg_baseline.jpg"));
  const std::size_t middle = bytes.size() - 30;
  bytes[middle] = '\xFF';
  bytes[middle + 1] = '\xD0';
  EXPECT_FALSE(Decode(bytes));
}

}  // namespace
}  // namespace taoci::test
