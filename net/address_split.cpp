#include "net/address_split.h"

#include <windows.h>
#include <wininet.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace taoci {
namespace {

// ICU_NO_ENCODE: the address arrives encoded where it must be (the search
// keyword), and every other piece goes out as typed; without the flag the
// client would escape blanks and high bytes. Dot segments are still removed.
std::optional<std::string> Canonical(const ByteText& address) {
  DWORD length = static_cast<DWORD>(address.size() + 16);
  for (int attempt = 0; attempt < 2; ++attempt) {
    std::string buffer(length, '\0');
    DWORD written = length;
    if (InternetCanonicalizeUrlA(address.c_str(), buffer.data(), &written, ICU_NO_ENCODE)) {
      buffer.resize(written);
      return buffer;
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || written <= length) return std::nullopt;
    length = written;
  }
  return std::nullopt;
}

std::string_view Piece(const char* start, DWORD length) {
  return start == nullptr ? std::string_view() : std::string_view(start, length);
}

}  // namespace

std::optional<AddressParts> SplitAddress(const ByteText& address) {
  std::optional<std::string> canonical = Canonical(address);
  if (!canonical || canonical->empty()) return std::nullopt;

  // Lengths of 1 with no buffers ask for pointers into the address itself, so
  // the limits are measured here rather than by how the client treats a part
  // that does not fit a buffer.
  URL_COMPONENTSA parts = {};
  parts.dwStructSize = sizeof(parts);
  parts.dwSchemeLength = 1;
  parts.dwHostNameLength = 1;
  parts.dwUserNameLength = 1;
  parts.dwPasswordLength = 1;
  parts.dwUrlPathLength = 1;
  parts.dwExtraInfoLength = 1;
  if (!InternetCrackUrlA(canonical->c_str(), static_cast<DWORD>(canonical->size()), 0, &parts)) {
    return std::nullopt;
  }
  if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) {
    return std::nullopt;
  }
  const std::string_view host = Piece(parts.lpszHostName, parts.dwHostNameLength);
  const std::string_view user_name = Piece(parts.lpszUserName, parts.dwUserNameLength);
  const std::string_view password = Piece(parts.lpszPassword, parts.dwPasswordLength);
  std::string target(Piece(parts.lpszUrlPath, parts.dwUrlPathLength));
  target += Piece(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (host.empty() || host.size() > kMaxHostBytes || user_name.size() > kMaxUserNameBytes ||
      password.size() > kMaxPasswordBytes || target.size() > kMaxPathBytes) {
    return std::nullopt;
  }
  // The fragment belongs to the reader of the page, never to the server.
  if (std::size_t hash = target.find('#'); hash != std::string::npos) target.resize(hash);

  AddressParts split;
  split.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
  split.port = parts.nPort;
  split.host = host;
  split.user_name = user_name;
  split.password = password;
  split.target = std::move(target);
  return split;
}

}  // namespace taoci
