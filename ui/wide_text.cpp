#include "ui/wide_text.h"

#include <windows.h>

#include <climits>

namespace taoci {

std::wstring WideFromGbk(const ByteText& text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int bytes = static_cast<int>(text.size());
  const int count = MultiByteToWideChar(kGbkCodePage, 0, text.c_str(), bytes, nullptr, 0);
  if (count <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(count), L'\0');
  MultiByteToWideChar(kGbkCodePage, 0, text.c_str(), bytes, wide.data(), count);
  return wide;
}

ByteText GbkFromWide(std::wstring_view wide) {
  wide = wide.substr(0, wide.find(L'\0'));
  if (wide.empty() || wide.size() > INT_MAX / 2) return {};
  const int chars = static_cast<int>(wide.size());
  const int count =
      WideCharToMultiByte(kGbkCodePage, 0, wide.data(), chars, nullptr, 0, nullptr, nullptr);
  if (count <= 0) return {};
  std::string bytes(static_cast<std::size_t>(count), '\0');
  WideCharToMultiByte(kGbkCodePage, 0, wide.data(), chars, bytes.data(), count, "?", nullptr);
  return ByteText(std::string_view(bytes));
}

}  // namespace taoci
