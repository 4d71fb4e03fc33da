// Reading the fixed-size fields of a file format. The caller has checked that
// the bytes are there; these only put them together.
#pragma once

#include <cstdint>

namespace taoci {

inline std::uint32_t LoadU16Le(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8);
}

inline std::uint32_t LoadU32Le(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline std::int32_t LoadS32Le(const unsigned char* p) {
  return static_cast<std::int32_t>(LoadU32Le(p));
}

inline std::uint32_t LoadU32Be(const unsigned char* p) {
  return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
         (static_cast<std::uint32_t>(p[2]) << 8) | static_cast<std::uint32_t>(p[3]);
}

}  // namespace taoci
