// Every fixture, cut at every length and damaged at every byte: never a
// read outside the block (the sanitizers watch), and a cut file never gives
// a picture.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <span>
#include <string>

#include "image/bmp_decode.h"
#include "image/gif_decode.h"
#include "image/icon_decode.h"
#include "image/jpeg_decode.h"
#include "image/pcx_decode.h"
#include "image/picture_limits.h"
#include "image/png_decode.h"
#include "tests/image/fixtures.h"
#include "tests/image/test_bytes.h"

namespace taoci::test {
namespace {

using FormatDecoder = std::function<std::optional<Picture>(std::span<const unsigned char>)>;

// The decoder of a fixture's format, told by its file name.
FormatDecoder DecoderFor(std::string_view name) {
  const std::string_view prefix = name.substr(0, name.find('_'));
  if (prefix == "bmp") return DecodeBmp;
  if (prefix == "png") return DecodePng;
  if (prefix == "jpeg") return DecodeJpeg;
  if (prefix == "gif") return DecodeGif;
  if (prefix == "icon" || name == "cursor.cur") return DecodeIcon;
  if (prefix == "pcx") return DecodePcx;
  return nullptr;
}

std::span<const unsigned char> Span(const std::string& bytes, std::size_t size) {
  return std::span(reinterpret_cast<const unsigned char*>(bytes.data()), size);
}

// An 8-bit PCX cut exactly where its end palette begins is a file without
// that palette, which is a valid file of its own (drawn in greys).
bool IsWholeWithoutEndPalette(std::string_view name, std::size_t size, std::size_t whole) {
  return (name == "pcx_8.pcx" || name == "pcx_8_runs_across_lines.pcx") && size == whole - 769;
}

TEST(Truncation, EveryFixtureHasADecoderAndDecodesWhole) {
  for (const EmbeddedFixture& fixture : EmbeddedFixtures()) {
    const FormatDecoder decode = DecoderFor(fixture.name);
    ASSERT_TRUE(decode) << fixture.name;
    const std::string bytes(fixture.bytes);
    EXPECT_TRUE(decode(Span(bytes, bytes.size()))) << fixture.name;
    EXPECT_TRUE(Decode(bytes)) << fixture.name;
  }
}

TEST(Truncation, EveryCutGivesNoPicture) {
  for (const EmbeddedFixture& fixture : EmbeddedFixtures()) {
    const FormatDecoder decode = DecoderFor(fixture.name);
    ASSERT_TRUE(decode) << fixture.name;
    for (std::size_t size = 0; size < fixture.bytes.size(); ++size) {
      // A copy of exactly this size, so that a read past it is caught.
      const std::string cut(fixture.bytes.substr(0, size));
      if (IsWholeWithoutEndPalette(fixture.name, size, fixture.bytes.size())) {
        continue;
      }
      EXPECT_FALSE(decode(Span(cut, cut.size()))) << fixture.name << " cut to " << size;
      EXPECT_FALSE(Decode(cut)) << fixture.name << " cut to " << size;
    }
  }
}

TEST(Damage, EveryChangedByteGivesAPictureOfItsSizeOrNone) {
  for (const EmbeddedFixture& fixture : EmbeddedFixtures()) {
    const FormatDecoder decode = DecoderFor(fixture.name);
    ASSERT_TRUE(decode) << fixture.name;
    for (std::size_t at = 0; at < fixture.bytes.size(); ++at) {
      for (unsigned char flip : {0x01, 0x80, 0xFF}) {
        std::string bytes(fixture.bytes);
        bytes[at] = static_cast<char>(static_cast<unsigned char>(bytes[at]) ^ flip);
        const std::optional<Picture> picture = decode(Span(bytes, bytes.size()));
        if (picture) {
          ASSERT_TRUE(PictureSizeAllowed(picture->width, picture->height))
              << fixture.name << " byte " << at;
          ASSERT_EQ(picture->pixels.size(),
                    static_cast<std::size_t>(picture->width) * picture->height)
              << fixture.name << " byte " << at;
        }
      }
    }
  }
}

}  // namespace
}  // namespace taoci::test
