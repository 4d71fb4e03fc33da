#include "image/picture_scale.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace taoci {
namespace {

Picture Make(int width, int height, std::vector<std::uint32_t> pixels) {
  return Picture{width, height, std::move(pixels)};
}

constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kBlue = 0xFF0000FF;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kClear = 0x00000000;

TEST(ScalePictureDown, AveragesTheAreaEachNewPixelCovers) {
  // 4 x 2 to 2 x 1: each new pixel is the mean of a 2 x 2 square.
  const Picture scaled = ScalePictureDown(
      Make(4, 2, {kRed, kRed, kBlue, kWhite, kRed, kRed, kBlue, kWhite}), 2, 1);
  ASSERT_EQ(scaled.width, 2);
  ASSERT_EQ(scaled.height, 1);
  EXPECT_EQ(scaled.pixels, (std::vector<std::uint32_t>{kRed, 0xFF8080FF}));
}

TEST(ScalePictureDown, WeighsPartlyCoveredPixelsByTheirShare) {
  // 3 to 2 columns: the first new pixel covers 1 and a half old ones.
  const Picture scaled = ScalePictureDown(Make(3, 1, {0xFF000000, 0xFF0000FF, 0xFF0000FF}), 2, 1);
  // Blue: (0 * 1 + 255 * 0.5) / 1.5 = 85, then (255 * 0.5 + 255) / 1.5 = 255.
  EXPECT_EQ(scaled.pixels, (std::vector<std::uint32_t>{0xFF000055, 0xFF0000FF}));
}

TEST(ScalePictureDown, TransparentNeighboursFadeTheEdgeWithoutColourAboveAlpha) {
  const Picture scaled = ScalePictureDown(Make(2, 1, {kWhite, kClear}), 1, 1);
  ASSERT_EQ(scaled.pixels.size(), 1u);
  EXPECT_EQ(scaled.pixels[0], 0x80808080u);
}

TEST(ScalePictureDown, NeverEnlargesAndKeepsAtLeastOnePixel) {
  const Picture original = Make(2, 2, {kRed, kBlue, kWhite, kClear});
  EXPECT_EQ(ScalePictureDown(original, 5, 7).pixels, original.pixels);
  const Picture thin = ScalePictureDown(Make(4, 1, {kRed, kRed, kRed, kRed}), 2, 0);
  EXPECT_EQ(thin.width, 2);
  EXPECT_EQ(thin.height, 1);
  EXPECT_EQ(thin.pixels, (std::vector<std::uint32_t>{kRed, kRed}));
}

TEST(ScalePictureDown, APictureWhosePixelsDoNotMatchItsSizeGivesNothing) {
  EXPECT_TRUE(ScalePictureDown(Make(3, 3, {kRed}), 1, 1).pixels.empty());
  EXPECT_TRUE(ScalePictureDown(Make(0, 3, {}), 1, 1).pixels.empty());
}

TEST(ScalePictureDown, ShrinksAMarketplaceThumbnailIntoThePictureBox) {
  // 230 x 230, the usual thumbnail, into the 208 x 208 inside of the box.
  std::vector<std::uint32_t> pixels(230 * 230);
  for (int y = 0; y < 230; ++y) {
    for (int x = 0; x < 230; ++x) pixels[y * 230 + x] = (x < 100) ? kRed : kBlue;
  }
  const Picture scaled = ScalePictureDown(Make(230, 230, std::move(pixels)), 208, 208);
  ASSERT_EQ(scaled.pixels.size(), 208u * 208u);
  EXPECT_EQ(scaled.pixels[0], kRed);
  EXPECT_EQ(scaled.pixels[207], kBlue);
  // Only the column that straddles the boundary, old columns 99.5 to 100.6,
  // mixes the two: 0.43 of red (111) and 0.57 of blue (144).
  EXPECT_EQ(scaled.pixels[89], kRed);
  EXPECT_EQ(scaled.pixels[90], 0xFF6F0090u);
  EXPECT_EQ(scaled.pixels[91], kBlue);
}

}  // namespace
}  // namespace taoci
