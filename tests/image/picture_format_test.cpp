#include "image/picture_format.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/image/fixtures.h"
#include "tests/image/test_bytes.h"

namespace taoci::test {
namespace {

using namespace std::string_view_literals;

PictureFormat Sniff(std::string_view bytes) {
  return SniffPictureFormat(
      std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
}

struct SniffCase {
  std::string bytes;
  PictureFormat format;
};

class SniffTable : public ::testing::TestWithParam<SniffCase> {};

TEST_P(SniffTable, TellsTheFormatByTheFirstEightBytes) {
  EXPECT_EQ(Sniff(GetParam().bytes), GetParam().format);
}

std::string B(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) {
    s.push_back(static_cast<char>(b));
  }
  return s;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Signatures, SniffTable, ::testing::Values(
    SniffCase{B({0xFF, 0xD8, 0, 0, 0, 0, 0, 0}), PictureFormat::kJpeg},
    SniffCase{std::string("BM\0\0\0\0\0\0"sv), PictureFormat::kBmp},
    SniffCase{B({0x89, 'P', 'N', 'G', 0, 0, 0, 0}), PictureFormat::kPng},
    SniffCase{std::string("GIF87a\0\0"sv), PictureFormat::kGif},
    SniffCase{std::string("GIF89a\0\0"sv), PictureFormat::kGif},
    SniffCase{B({0, 0, 1, 0, 1, 0, 0, 0}), PictureFormat::kIcon},
    SniffCase{B({0, 0, 2, 0, 0, 1, 0, 0}), PictureFormat::kIcon},  // 256 cursors
    SniffCase{B({0x0A, 5, 1, 8, 0, 0, 0, 0}), PictureFormat::kPcx},
    SniffCase{B({0x0A, 0, 1, 1, 0, 0, 0, 0}), PictureFormat::kPcx},
    SniffCase{B({0x0A, 3, 1, 1, 0, 0, 0, 0}), PictureFormat::kPcx},
    // Near misses.
    SniffCase{std::string("GIF88a\0\0"sv), PictureFormat::kUnknown},
    SniffCase{std::string("GIF89b\0\0"sv), PictureFormat::kUnknown},
    SniffCase{std::string("GIF7\0\0\0\0"sv), PictureFormat::kUnknown},
    SniffCase{B({0, 0, 1, 0, 0, 0, 0, 0}), PictureFormat::kUnknown},  // no images
    SniffCase{B({0, 0, 3, 0, 1, 0, 0, 0}), PictureFormat::kUnknown},
    SniffCase{B({0, 1, 1, 0, 1, 0, 0, 0}), PictureFormat::kUnknown},
    SniffCase{B({0x0A, 1, 1, 8, 0, 0, 0, 0}), PictureFormat::kUnknown},  // version 1
    SniffCase{B({0x0A, 5, 0, 8, 0, 0, 0, 0}), PictureFormat::kUnknown},  // not coded
    SniffCase{B({0x0A, 5, 1, 3, 0, 0, 0, 0}), PictureFormat::kUnknown},  // 3 bits
    SniffCase{B({0x89, 'P', 'N', 'g', 0, 0, 0, 0}), PictureFormat::kUnknown},
    SniffCase{B({0xFF, 0xD9, 0, 0, 0, 0, 0, 0}), PictureFormat::kUnknown},
    SniffCase{std::string("bm\0\0\0\0\0\0"sv), PictureFormat::kUnknown},
    SniffCase{"<html><b", PictureFormat::kUnknown},
    // Fewer than eight bytes are no picture, however they begin.
    SniffCase{B({0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10, 'J'}), PictureFormat::kUnknown},
    SniffCase{"BM", PictureFormat::kUnknown},
    SniffCase{"", PictureFormat::kUnknown}));
// clang-format on

// The rules through the one entry, on real files.
const char* const kOneOfEach[] = {"jpeg_baseline.jpg", "bmp_24.bmp",    "png_rgb.png",
                                  "gif_reference.gif", "icon_mask.ico", "cursor.cur",
                                  "pcx_8.pcx"};

TEST(SniffRules, EveryFormatDecodesWhole) {
  for (const char* name : kOneOfEach) {
    EXPECT_TRUE(Decode(Bytes(Fixture(name)))) << name;
  }
}

TEST(SniffRules, SevenBytesOfAValidFileGiveNoPicture) {
  for (const char* name : kOneOfEach) {
    EXPECT_FALSE(Decode(Bytes(Fixture(name)).substr(0, 7))) << name;
  }
}

TEST(SniffRules, OneExtraLeadingByteGivesNoPicture) {
  for (const char* name : kOneOfEach) {
    for (char lead : {'\0', ' ', '\xFF'}) {
      EXPECT_FALSE(Decode(lead + Bytes(Fixture(name)))) << name << " behind " << int{lead};
    }
  }
}

TEST(SniffRules, Gif8FollowedBy8GivesNoPicture) {
  std::string bytes = Bytes(Fixture("gif_reference.gif"));
  bytes[4] = '8';
  EXPECT_FALSE(Decode(bytes));
}

TEST(SniffRules, IconHeaderWithZeroCountGivesNoPicture) {
  for (const char* name : {"icon_mask.ico", "cursor.cur"}) {
    std::string bytes = Bytes(Fixture(name));
    PutU16Le(&bytes, 4, 0);
    EXPECT_FALSE(Decode(bytes)) << name;
  }
}

TEST(SniffRules, EmptyAndForeignBlocksGiveNoPicture) {
  EXPECT_FALSE(Decode(""));
  EXPECT_FALSE(Decode("<!DOCTYPE html><html></html>"));
  EXPECT_FALSE(Decode(std::string(4096, '\0')));
}

}  // namespace
}  // namespace taoci::test
