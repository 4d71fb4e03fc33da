// Comparing a decoded picture with the one expected, pixel by pixel.
#pragma once

#include <gtest/gtest.h>

#include <optional>

#include "image/picture.h"
#include "tests/image/reference_pictures.h"

namespace taoci::test {

// Exactly these pixels. Names the first pixels that differ.
::testing::AssertionResult SamePicture(const std::optional<Picture>& picture,
                                       const ExpectedPicture& expected);

// Each channel, alpha included, within `tolerance` of the expected: for the
// lossy JPEG.
::testing::AssertionResult NearPicture(const std::optional<Picture>& picture,
                                       const ExpectedPicture& expected, int tolerance);

// The largest difference of any channel of any pixel, for a report.
int LargestDifference(const Picture& picture, const ExpectedPicture& expected);

}  // namespace taoci::test
