#include "tests/image/test_bytes.h"

#include "image/decode_picture.h"

namespace taoci::test {

std::optional<Picture> Decode(std::string_view bytes) { return DecodePicture(ByteBlock(bytes)); }

std::string Bytes(const ByteBlock& block) { return std::string(block.view()); }

void PutU16Le(std::string* bytes, std::size_t at, std::uint32_t value) {
  (*bytes)[at] = static_cast<char>(value & 0xFF);
  (*bytes)[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void PutU32Le(std::string* bytes, std::size_t at, std::uint32_t value) {
  PutU16Le(bytes, at, value & 0xFFFF);
  PutU16Le(bytes, at + 2, value >> 16);
}

void PutU16Be(std::string* bytes, std::size_t at, std::uint32_t value) {
  (*bytes)[at] = static_cast<char>((value >> 8) & 0xFF);
  (*bytes)[at + 1] = static_cast<char>(value & 0xFF);
}

void PutU32Be(std::string* bytes, std::size_t at, std::uint32_t value) {
  PutU16Be(bytes, at, value >> 16);
  PutU16Be(bytes, at + 2, value & 0xFFFF);
}

namespace {

std::uint32_t Crc32(std::string_view bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (char c : bytes) {
    crc ^= static_cast<unsigned char>(c);
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
  }
  return ~crc;
}

std::uint32_t LoadU32Be(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  }
  return value;
}

}  // namespace

std::size_t FindPngChunk(std::string_view png, std::string_view type) {
  std::size_t at = 8;
  while (at + 12 <= png.size()) {
    if (png.substr(at + 4, 4) == type) {
      return at;
    }
    at += 12 + LoadU32Be(png, at);
  }
  return std::string::npos;
}

std::size_t PngChunkSize(std::string_view png, std::size_t chunk_at) {
  return 12 + LoadU32Be(png, chunk_at);
}

void FixPngCrc(std::string* png, std::size_t chunk_at) {
  const std::uint32_t length = LoadU32Be(*png, chunk_at);
  PutU32Be(png, chunk_at + 8 + length,
           Crc32(std::string_view(*png).substr(chunk_at + 4, 4 + length)));
}

std::string PngChunk(std::string_view type, std::string_view data) {
  std::string chunk(4, '\0');
  PutU32Be(&chunk, 0, static_cast<std::uint32_t>(data.size()));
  chunk.append(type);
  chunk.append(data);
  chunk.append(4, '\0');
  FixPngCrc(&chunk, 0);
  return chunk;
}

std::size_t FindJpegFrame(std::string_view jpeg) {
  for (std::size_t at = 2; at + 1 < jpeg.size(); ++at) {
    const auto marker = static_cast<unsigned char>(jpeg[at + 1]);
    if (static_cast<unsigned char>(jpeg[at]) == 0xFF && marker >= 0xC0 && marker <= 0xC2) {
      return at;
    }
  }
  return std::string::npos;
}

std::size_t FindGifImage(std::string_view gif) {
  const auto packed = static_cast<unsigned char>(gif[10]);
  std::size_t at = 13 + ((packed & 0x80) != 0 ? 3u << ((packed & 7) + 1) : 0);
  while (at < gif.size() && gif[at] == 0x21) {
    at += 2;
    while (at < gif.size() && gif[at] != 0) {
      at += static_cast<unsigned char>(gif[at]) + 1u;
    }
    ++at;
  }
  return at < gif.size() && gif[at] == 0x2C ? at : std::string::npos;
}

std::string BuildBmp(int width, int height, int bit_count, int compression,
                     const std::vector<std::uint32_t>& palette, std::string_view bits) {
  const std::size_t offset = 14 + 40 + palette.size() * 4;
  std::string file(offset, '\0');
  file[0] = 'B';
  file[1] = 'M';
  PutU32Le(&file, 2, static_cast<std::uint32_t>(offset + bits.size()));
  PutU32Le(&file, 10, static_cast<std::uint32_t>(offset));
  PutU32Le(&file, 14, 40);
  PutU32Le(&file, 18, static_cast<std::uint32_t>(width));
  PutU32Le(&file, 22, static_cast<std::uint32_t>(height));
  PutU16Le(&file, 26, 1);
  PutU16Le(&file, 28, static_cast<std::uint32_t>(bit_count));
  PutU32Le(&file, 30, static_cast<std::uint32_t>(compression));
  PutU32Le(&file, 46, static_cast<std::uint32_t>(palette.size()));
  for (std::size_t i = 0; i < palette.size(); ++i) {
    PutU32Le(&file, 54 + 4 * i, palette[i] & 0xFFFFFF);
  }
  file.append(bits);
  return file;
}

}  // namespace taoci::test
