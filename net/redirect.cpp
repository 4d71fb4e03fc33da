#include "net/redirect.h"

namespace taoci {
namespace {

bool IsRedirect(DWORD status) {
  return status == HTTP_STATUS_MOVED || status == HTTP_STATUS_REDIRECT ||
         status == HTTP_STATUS_REDIRECT_METHOD || status == HTTP_STATUS_REDIRECT_KEEP_VERB ||
         status == 308;
}

std::optional<std::string> LocationText(HINTERNET request) {
  DWORD size = 256;
  for (int attempt = 0; attempt < 2; ++attempt) {
    std::string text(size, '\0');
    DWORD written = size;
    if (HttpQueryInfoA(request, HTTP_QUERY_LOCATION, text.data(), &written, nullptr)) {
      text.resize(written);
      return text;
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || written <= size) return std::nullopt;
    size = written;
  }
  return std::nullopt;
}

// As InternetCanonicalizeUrl is asked elsewhere: nothing encoded or decoded.
std::optional<std::string> Resolve(const ByteText& from, const std::string& location) {
  DWORD size = static_cast<DWORD>(from.size() + location.size() + 16);
  for (int attempt = 0; attempt < 2; ++attempt) {
    std::string address(size, '\0');
    DWORD written = size;
    if (InternetCombineUrlA(from.c_str(), location.c_str(), address.data(), &written,
                            ICU_NO_ENCODE)) {
      address.resize(written);
      return address;
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || written <= size) return std::nullopt;
    size = written;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> RedirectAddress(HINTERNET request, const ByteText& from) {
  DWORD status = 0;
  DWORD size = sizeof(status);
  if (!HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size,
                      nullptr) ||
      !IsRedirect(status)) {
    return std::nullopt;
  }
  const std::optional<std::string> location = LocationText(request);
  if (!location || location->empty()) return std::nullopt;
  return Resolve(from, *location);
}

}  // namespace taoci
