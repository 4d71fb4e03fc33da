#include "tests/image/picture_expect.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace taoci::test {
namespace {

std::string Hex(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof(text), "%08X", static_cast<unsigned>(value));
  return text;
}

int ChannelDifference(std::uint32_t a, std::uint32_t b) {
  int largest = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const int d =
        std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
    largest = d > largest ? d : largest;
  }
  return largest;
}

::testing::AssertionResult Compare(const std::optional<Picture>& picture,
                                   const ExpectedPicture& expected, int tolerance) {
  if (!picture) {
    return ::testing::AssertionFailure() << "no picture";
  }
  if (picture->width != expected.width || picture->height != expected.height) {
    return ::testing::AssertionFailure()
           << "size " << picture->width << " x " << picture->height << ", expected "
           << expected.width << " x " << expected.height;
  }
  if (picture->pixels.size() != expected.pixels.size()) {
    return ::testing::AssertionFailure() << picture->pixels.size() << " pixels for the size";
  }
  ::testing::AssertionResult result = ::testing::AssertionSuccess();
  int wrong = 0;
  for (std::size_t i = 0; i < expected.pixels.size(); ++i) {
    if (ChannelDifference(picture->pixels[i], expected.pixels[i]) > tolerance) {
      if (wrong == 0) {
        result = ::testing::AssertionFailure();
      }
      if (++wrong <= 6) {
        const int width = expected.width;
        result << " (" << static_cast<int>(i) % width << ", " << static_cast<int>(i) / width
               << ") is " << Hex(picture->pixels[i]) << ", expected " << Hex(expected.pixels[i])
               << ";";
      }
    }
  }
  if (wrong > 6) {
    result << " and " << wrong - 6 << " more";
  }
  return result;
}

}  // namespace

::testing::AssertionResult SamePicture(const std::optional<Picture>& picture,
                                       const ExpectedPicture& expected) {
  return Compare(picture, expected, 0);
}

::testing::AssertionResult NearPicture(const std::optional<Picture>& picture,
                                       const ExpectedPicture& expected, int tolerance) {
  return Compare(picture, expected, tolerance);
}

int LargestDifference(const Picture& picture, const ExpectedPicture& expected) {
  int largest = 0;
  for (std::size_t i = 0; i < expected.pixels.size() && i < picture.pixels.size(); ++i) {
    const int d = ChannelDifference(picture.pixels[i], expected.pixels[i]);
    largest = d > largest ? d : largest;
  }
  return largest;
}

}  // namespace taoci::test
