#include "image/picture_format.h"

#include <initializer_list>

namespace taoci {
namespace {

bool StartsWith(std::span<const unsigned char> bytes, std::initializer_list<int> prefix) {
  std::size_t i = 0;
  for (int expected : prefix) {
    if (bytes[i++] != expected) {
      return false;
    }
  }
  return true;
}

bool IsIconHeader(std::span<const unsigned char> bytes) {
  const bool icon = StartsWith(bytes, {0x00, 0x00, 0x01, 0x00});
  const bool cursor = StartsWith(bytes, {0x00, 0x00, 0x02, 0x00});
  return (icon || cursor) && (bytes[4] != 0 || bytes[5] != 0);
}

bool IsPcxHeader(std::span<const unsigned char> bytes) {
  const int version = bytes[1];
  const int encoding = bytes[2];
  const int bits = bytes[3];
  const bool known_version =
      version == 0 || version == 2 || version == 3 || version == 4 || version == 5;
  const bool known_bits = bits == 1 || bits == 2 || bits == 4 || bits == 8;
  return bytes[0] == 0x0A && known_version && encoding == 1 && known_bits;
}

}  // namespace

PictureFormat SniffPictureFormat(std::span<const unsigned char> bytes) {
  if (bytes.size() < kSniffBytes) {
    return PictureFormat::kUnknown;
  }
  if (StartsWith(bytes, {0xFF, 0xD8})) {
    return PictureFormat::kJpeg;
  }
  if (StartsWith(bytes, {'B', 'M'})) {
    return PictureFormat::kBmp;
  }
  if (StartsWith(bytes, {0x89, 'P', 'N', 'G'})) {
    return PictureFormat::kPng;
  }
  if (StartsWith(bytes, {'G', 'I', 'F', '8'}) && (bytes[4] == '7' || bytes[4] == '9') &&
      bytes[5] == 'a') {
    return PictureFormat::kGif;
  }
  if (IsIconHeader(bytes)) {
    return PictureFormat::kIcon;
  }
  if (IsPcxHeader(bytes)) {
    return PictureFormat::kPcx;
  }
  return PictureFormat::kUnknown;
}

}  // namespace taoci
