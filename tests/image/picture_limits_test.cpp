#include "image/picture_limits.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace taoci {
namespace {

struct SizeCase {
  std::int64_t width;
  std::int64_t height;
  bool allowed;
};

class Limits : public ::testing::TestWithParam<SizeCase> {};

TEST_P(Limits, AllowOnlySizesThatCanBeReal) {
  EXPECT_EQ(PictureSizeAllowed(GetParam().width, GetParam().height), GetParam().allowed)
      << GetParam().width << " x " << GetParam().height;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Boundaries, Limits, ::testing::Values(
    SizeCase{1, 1, true},
    SizeCase{16384, 1, true},
    SizeCase{1, 16384, true},
    SizeCase{16385, 1, false},
    SizeCase{1, 16385, false},
    SizeCase{0, 1, false},
    SizeCase{1, 0, false},
    SizeCase{-1, 5, false},
    SizeCase{16384, 1953, true},  // 31 997 952 pixels
    SizeCase{16384, 1954, false},  // 32 014 336
    SizeCase{8000, 4000, true},  // exactly 32 million
    SizeCase{8001, 4000, false},
    SizeCase{INT64_MAX, INT64_MAX, false},
    SizeCase{INT64_MIN, INT64_MIN, false},
    SizeCase{0x100000000, 1, false}));
// clang-format on

TEST(AllocatePicture, SizesThePictureTransparent) {
  Picture picture;
  ASSERT_TRUE(AllocatePicture(3, 2, &picture));
  EXPECT_EQ(picture.width, 3);
  EXPECT_EQ(picture.height, 2);
  EXPECT_EQ(picture.pixels, std::vector<std::uint32_t>(6, 0));
}

TEST(AllocatePicture, LeavesThePictureAloneForAnImpossibleSize) {
  Picture picture{2, 1, {7, 8}};
  EXPECT_FALSE(AllocatePicture(16385, 2, &picture));
  EXPECT_EQ(picture.width, 2);
  EXPECT_EQ(picture.pixels, (std::vector<std::uint32_t>{7, 8}));
}

}  // namespace
}  // namespace taoci
