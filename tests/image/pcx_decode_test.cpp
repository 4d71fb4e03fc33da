#include <gtest/gtest.h>

#include <string>

#include "tests/image/fixtures.h"
#include "tests/image/picture_expect.h"
#include "tests/image/test_bytes.h"

namespace taoci::test {
namespace {

// An index picture over the sixteen colours of the fixtures' palettes.
ExpectedPicture FromIndexes(std::initializer_list<int> indexes,
                            const std::vector<std::uint32_t>& colours = Sixteen()) {
  ExpectedPicture picture{4, 3, {}};
  for (int index : indexes) {
    picture.pixels.push_back(colours[static_cast<std::size_t>(index)]);
  }
  return picture;
}

// The EGA's sixteen colours, which files of version 3 mean.
std::vector<std::uint32_t> Ega() {
  return {0xFF000000, 0xFF0000AA, 0xFF00AA00, 0xFF00AAAA, 0xFFAA0000, 0xFFAA00AA,
          0xFFAA5500, 0xFFAAAAAA, 0xFF555555, 0xFF5555FF, 0xFF55FF55, 0xFF55FFFF,
          0xFFFF5555, 0xFFFF55FF, 0xFFFFFF55, 0xFFFFFFFF};
}

struct PcxCase {
  const char* file;
  ExpectedPicture expected;
};

class PcxFixture : public ::testing::TestWithParam<PcxCase> {};

TEST_P(PcxFixture, DecodesToTheKnownPixels) {
  const PcxCase& c = GetParam();
  EXPECT_TRUE(SamePicture(Decode(Bytes(Fixture(c.file))), c.expected)) << c.file;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(AllKinds, PcxFixture, ::testing::Values(
    PcxCase{"pcx_8.pcx", Reference()},  // ImageMagick: 8 bits, palette at the end
    PcxCase{"pcx_24.pcx", Reference()},  // ImageMagick: 8 bits in 3 planes
    PcxCase{"pcx_1.pcx", Mono()},
    PcxCase{"pcx_1x2.pcx", FromIndexes({0, 1, 2, 3, 3, 2, 1, 0, 1, 1, 2, 2})},
    PcxCase{"pcx_1x3.pcx", FromIndexes({0, 1, 2, 3, 4, 5, 6, 7, 7, 0, 3, 4})},
    PcxCase{"pcx_1x4.pcx", Reference()},
    PcxCase{"pcx_1x4_v3.pcx", FromIndexes({1, 2, 3, 4, 0, 5, 6, 7, 8, 9, 10, 11}, Ega())},
    PcxCase{"pcx_8_grey.pcx", Grey()},
    PcxCase{"pcx_8_runs_across_lines.pcx", Reference()}));
// clang-format on

TEST(PcxHeader, LineShorterThanARowGivesNoPicture) {
  // 8 bits, 4 pixels: a line needs 4 bytes.
  std::string eight = Bytes(Fixture("pcx_8.pcx"));
  PutU16Le(&eight, 66, 3);
  EXPECT_FALSE(Decode(eight));
  // 1 bit, widened to 17 pixels: a line of 2 bytes holds only 16.
  std::string one = Bytes(Fixture("pcx_1x4.pcx"));
  PutU16Le(&one, 8, 16);
  EXPECT_FALSE(Decode(one));
  PutU16Le(&one, 66, 0);
  EXPECT_FALSE(Decode(one));
}

TEST(PcxHeader, UnknownKindsGiveNoPicture) {
  struct Patch {
    const char* what;
    std::size_t at;
    unsigned char value;
  };
  for (const Patch& patch : {Patch{"version 1", 1, 1}, Patch{"version 6", 1, 6},
                             Patch{"no run-length coding", 2, 0}, Patch{"8 bits, 2 planes", 65, 2},
                             Patch{"8 bits, 4 planes", 65, 4}, Patch{"8 bits, 0 planes", 65, 0},
                             Patch{"4 bits a plane", 3, 4}, Patch{"2 bits a plane", 3, 2}}) {
    std::string bytes = Bytes(Fixture("pcx_8.pcx"));
    bytes[patch.at] = static_cast<char>(patch.value);
    EXPECT_FALSE(Decode(bytes)) << patch.what;
  }
}

TEST(PcxSizes, ImpossibleSizesGiveNoPicture) {
  struct Window {
    std::uint32_t x_min, y_min, x_max, y_max;
  };
  for (const Window w : {Window{0, 0, 16384, 2}, Window{0, 0, 3, 16384}, Window{0, 0, 16383, 1953},
                         Window{5, 0, 3, 2}, Window{0, 3, 3, 2}, Window{0, 0, 65535, 65535}}) {
    std::string bytes = Bytes(Fixture("pcx_8.pcx"));
    PutU16Le(&bytes, 4, w.x_min);
    PutU16Le(&bytes, 6, w.y_min);
    PutU16Le(&bytes, 8, w.x_max);
    PutU16Le(&bytes, 10, w.y_max);
    PutU16Le(&bytes, 66, 65535);  // so that the line is never the reason
    EXPECT_FALSE(Decode(bytes)) << w.x_max << " x " << w.y_max;
  }
}

TEST(PcxPalette, DamagedEndPaletteGivesNoPicture) {
  // Bytes after the rows that are not a whole palette: cut, or without its
  // marker.
  const std::string bytes = Bytes(Fixture("pcx_8.pcx"));
  EXPECT_FALSE(Decode(bytes.substr(0, bytes.size() - 1)));
  EXPECT_FALSE(Decode(bytes.substr(0, bytes.size() - 768)));
  std::string unmarked = bytes;
  unmarked[bytes.size() - 769] = 0x0B;
  EXPECT_FALSE(Decode(unmarked));
}

TEST(PcxPalette, NoEndPaletteMeansGrey) {
  // The same file without its palette: the indexes read as greys.
  const std::string bytes = Bytes(Fixture("pcx_8.pcx"));
  const std::optional<Picture> picture = Decode(bytes.substr(0, bytes.size() - 769));
  ASSERT_TRUE(picture);
  for (std::uint32_t pixel : picture->pixels) {
    EXPECT_EQ(pixel & 0xFF, (pixel >> 8) & 0xFF);
    EXPECT_EQ(pixel & 0xFF, (pixel >> 16) & 0xFF);
  }
}

TEST(PcxRuns, RowsCutShortGiveNoPicture) {
  // A run whose count byte is the last byte of the file.
  std::string bytes = Bytes(Fixture("pcx_24.pcx"));
  bytes.resize(128);
  bytes.push_back('\xC5');
  EXPECT_FALSE(Decode(bytes));
}

}  // namespace
}  // namespace taoci::test
