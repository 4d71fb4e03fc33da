// Byte text: the program's one text value. GBK bytes, owned, never holding a
// zero byte, so that the empty text and a text never set are the same value.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace taoci {

class ByteText {
 public:
  ByteText() = default;
  // Takes the bytes up to the first zero byte, if any: a zero byte cannot be
  // part of a text, and cutting there is what every caller of the old
  // zero-terminated texts saw.
  ByteText(std::string_view bytes);  // NOLINT: implicit, texts are built from literals everywhere
  ByteText(const char* zero_terminated);  // NOLINT
  // The same cut, keeping the string's own storage: for results assembled in
  // a std::string.
  explicit ByteText(std::string bytes);

  std::string_view bytes() const { return bytes_; }
  std::size_t size() const { return bytes_.size(); }
  bool empty() const { return bytes_.empty(); }
  // Zero-terminated, for the system's narrow-character calls.
  const char* c_str() const { return bytes_.c_str(); }

  // At most `count` bytes from `offset` on, clamped to the text. A part of a
  // text cannot hold a zero byte either, so nothing is checked again: this is
  // what lets a page be cut into pieces at the speed of a copy.
  ByteText Slice(std::size_t offset, std::size_t count) const;

  friend bool operator==(const ByteText&, const ByteText&) = default;

 private:
  struct AlreadyChecked {};
  ByteText(AlreadyChecked, std::string_view bytes) : bytes_(bytes) {}

  std::string bytes_;
};

}  // namespace taoci
