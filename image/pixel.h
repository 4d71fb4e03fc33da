// Building the pixels of a Picture (see picture.h for the layout).
#pragma once

#include <cstdint>

namespace taoci {

inline std::uint32_t OpaquePixel(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
  return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

// Channel × alpha ÷ 255, rounded to the nearest.
inline std::uint32_t Premultiply(std::uint32_t channel, std::uint32_t alpha) {
  return (channel * alpha + 127) / 255;
}

inline std::uint32_t PremultipliedPixel(std::uint32_t red, std::uint32_t green, std::uint32_t blue,
                                        std::uint32_t alpha) {
  if (alpha == 0xFF) {
    return OpaquePixel(red, green, blue);
  }
  return (alpha << 24) | (Premultiply(red, alpha) << 16) | (Premultiply(green, alpha) << 8) |
         Premultiply(blue, alpha);
}

// A pixel held with straight (not premultiplied) alpha, as the bitmap
// decoders build them, made premultiplied.
inline std::uint32_t PremultiplyPixel(std::uint32_t straight) {
  return PremultipliedPixel((straight >> 16) & 0xFF, (straight >> 8) & 0xFF, straight & 0xFF,
                            straight >> 24);
}

}  // namespace taoci
