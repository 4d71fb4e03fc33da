// Byte block: an owned run of bytes of any value, zero bytes included. What a
// fetch delivers and what the picture box holds. The empty block means that
// nothing arrived.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace taoci {

class ByteBlock {
 public:
  ByteBlock() = default;
  explicit ByteBlock(std::string bytes) : bytes_(std::move(bytes)) {}
  explicit ByteBlock(std::string_view bytes) : bytes_(bytes) {}

  const unsigned char* data() const {
    return reinterpret_cast<const unsigned char*>(bytes_.data());
  }
  std::size_t size() const { return bytes_.size(); }
  bool empty() const { return bytes_.empty(); }
  std::string_view view() const { return bytes_; }

  void Append(const void* bytes, std::size_t count) {
    bytes_.append(static_cast<const char*>(bytes), count);
  }

  // Hands the bytes over and leaves the block empty: a fetched page becomes
  // a text without a second copy of a few hundred kilobytes.
  std::string TakeBytes() && { return std::move(bytes_); }

  friend bool operator==(const ByteBlock&, const ByteBlock&) = default;

 private:
  std::string bytes_;
};

}  // namespace taoci
