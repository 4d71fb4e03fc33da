#include "image/picture_layout.h"

#include <gtest/gtest.h>

namespace taoci {
namespace {

// The picture box is 210 × 210 with a one-pixel border: a client area of
// 208 × 208.
constexpr int kClient = 208;

// The box and the picture, the rectangle expected, and what the case is.
struct LayoutCase {
  int client_width;
  int client_height;
  int picture_width;
  int picture_height;
  DrawRect expected;
  const char* what;
};

class Layout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(Layout, PlacesThePicture) {
  const LayoutCase& c = GetParam();
  const DrawRect r =
      LayoutPicture(c.client_width, c.client_height, c.picture_width, c.picture_height);
  EXPECT_EQ(r.left, c.expected.left) << c.what;
  EXPECT_EQ(r.top, c.expected.top) << c.what;
  EXPECT_EQ(r.width, c.expected.width) << c.what;
  EXPECT_EQ(r.height, c.expected.height) << c.what;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, Layout, ::testing::Values(
    LayoutCase{kClient, kClient, 100, 50, {54, 79, 100, 50}, "natural size, in the middle"},
    LayoutCase{kClient, kClient, 416, 100, {0, 79, 208, 50}, "too wide: the width fits"},
    LayoutCase{kClient, kClient, 100, 416, {79, 0, 50, 208}, "too tall: the height fits"},
    LayoutCase{kClient, kClient, 208, 208, {0, 0, 208, 208}, "exact fit"},
    LayoutCase{kClient, kClient, 209, 208, {0, 0, 208, 207}, "one pixel too wide"},
    LayoutCase{kClient, kClient, 208, 209, {0, 0, 207, 208}, "one pixel too tall"},
    LayoutCase{kClient, kClient, 220, 220, {0, 0, 208, 208}, "the thumbnail size"},
    LayoutCase{kClient, kClient, 800, 600, {0, 26, 208, 156}, "too large, the width decides"},
    LayoutCase{kClient, kClient, 300, 900, {69, 0, 69, 208}, "too large, the height decides"},
    LayoutCase{kClient, kClient, 10000, 100, {0, 103, 208, 2}, "very thin: 2 rows"},
    LayoutCase{kClient, kClient, 5000, 1, {0, 104, 208, 0}, "thinner than a row: nothing"},
    LayoutCase{kClient, kClient, 1, 16384, {104, 0, 0, 208}, "one pixel wide, very tall"},
    LayoutCase{kClient, kClient, 1, 1, {103, 103, 1, 1}, "a single pixel"},
    LayoutCase{9, 7, 4, 4, {2, 1, 4, 4}, "odd remainders round down"},
    LayoutCase{kClient, kClient, 0, 0, {0, 0, 0, 0}, "no picture"},
    LayoutCase{0, 0, 10, 10, {0, 0, 0, 0}, "no client area"}));
// clang-format on

}  // namespace
}  // namespace taoci
