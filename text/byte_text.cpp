#include "text/byte_text.h"

#include <cstring>
#include <utility>

namespace taoci {

ByteText::ByteText(std::string_view bytes) : bytes_(bytes.substr(0, bytes.find('\0'))) {}

ByteText::ByteText(const char* zero_terminated)
    : bytes_(zero_terminated == nullptr ? "" : zero_terminated) {}

ByteText::ByteText(std::string bytes) : bytes_(std::move(bytes)) {
  const std::size_t zero = bytes_.find('\0');
  if (zero != std::string::npos) bytes_.resize(zero);
}

ByteText ByteText::Slice(std::size_t offset, std::size_t count) const {
  if (offset >= bytes_.size()) return ByteText();
  return ByteText(AlreadyChecked{}, std::string_view(bytes_).substr(offset, count));
}

}  // namespace taoci
