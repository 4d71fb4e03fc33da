// Taking fixtures apart and putting hostile variants together.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "image/picture.h"
#include "text/byte_block.h"

namespace taoci::test {

// Decodes bytes through the one entry.
std::optional<Picture> Decode(std::string_view bytes);

std::string Bytes(const ByteBlock& block);

void PutU16Le(std::string* bytes, std::size_t at, std::uint32_t value);
void PutU32Le(std::string* bytes, std::size_t at, std::uint32_t value);
void PutU16Be(std::string* bytes, std::size_t at, std::uint32_t value);
void PutU32Be(std::string* bytes, std::size_t at, std::uint32_t value);

// Where the PNG chunk of this type starts (at its length field), or npos.
std::size_t FindPngChunk(std::string_view png, std::string_view type);
// The whole size of the chunk that starts at `chunk_at`: 12 bytes and its data.
std::size_t PngChunkSize(std::string_view png, std::size_t chunk_at);
// Recomputes the CRC of the chunk that starts at `chunk_at`, so that a
// patched chunk is refused for its content and not for its CRC.
void FixPngCrc(std::string* png, std::size_t chunk_at);
// A whole chunk: length, type, data and CRC.
std::string PngChunk(std::string_view type, std::string_view data);

// Where the first JPEG start-of-frame marker (FF C0 to FF C2) is, or npos.
std::size_t FindJpegFrame(std::string_view jpeg);

// Where the first GIF image descriptor (0x2C) is, walking the blocks.
std::size_t FindGifImage(std::string_view gif);

// A BMP file with a 40-byte header: `height` negative for top-down,
// `palette` as 0xRRGGBB, `bits` as stored.
std::string BuildBmp(int width, int height, int bit_count, int compression,
                     const std::vector<std::uint32_t>& palette, std::string_view bits);

}  // namespace taoci::test
