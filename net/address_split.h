// Splits an absolute address into the pieces a request is made from, the way
// the system's internet API reads it, with the limits a fetch puts on them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "text/byte_text.h"

namespace taoci {

inline constexpr std::size_t kMaxHostBytes = 255;
inline constexpr std::size_t kMaxUserNameBytes = 127;
inline constexpr std::size_t kMaxPasswordBytes = 127;
inline constexpr std::size_t kMaxPathBytes = 2047;  // path, query and fragment together

struct AddressParts {
  bool secure = false;  // https
  std::uint16_t port = 0;
  std::string host;
  std::string user_name;  // empty when the address names none
  std::string password;
  std::string target;  // path and query as written, the fragment cut off
};

// The address in canonical form ("." and ".." segments resolved, nothing
// percent-encoded or decoded), split. Nothing when it cannot be split, has no
// host, has a part over its limit, or its scheme is neither http nor https
// (an address without one, such as "//host/x", included). The port written in
// the address wins over the scheme's default.
std::optional<AddressParts> SplitAddress(const ByteText& address);

}  // namespace taoci
