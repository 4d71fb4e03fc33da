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

  std::string_view bytes() const { return bytes_; }
  std::size_t size() const { return bytes_.size(); }
  bool empty() const { return bytes_.empty(); }
  // Zero-terminated, for the system's narrow-character calls.
  const char* c_str() const { return bytes_.c_str(); }

  friend bool operator==(const ByteText&, const ByteText&) = default;

 private:
  std::string bytes_;
};

}  // namespace taoci
