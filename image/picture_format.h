// Telling a picture's format from its first bytes.
#pragma once

#include <cstddef>
#include <span>

namespace taoci {

enum class PictureFormat { kUnknown, kJpeg, kBmp, kPng, kGif, kIcon, kPcx };

// The number of leading bytes that the format is told by; a shorter block is
// no picture at all.
inline constexpr std::size_t kSniffBytes = 8;

// Looks at the first kSniffBytes bytes only: JPEG FF D8; BMP "BM"; PNG 89
// "PNG"; GIF "GIF87a" or "GIF89a"; icon 00 00 01 00 and cursor 00 00 02 00,
// each with a non-zero image count (kIcon for both); PCX 0A with a known
// version (0, 2, 3, 4, 5), run-length encoding and 1, 2, 4 or 8 bits per pixel.
PictureFormat SniffPictureFormat(std::span<const unsigned char> bytes);

}  // namespace taoci
