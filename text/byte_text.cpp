#include "text/byte_text.h"

#include <cstring>

namespace taoci {

ByteText::ByteText(std::string_view bytes) : bytes_(bytes.substr(0, bytes.find('\0'))) {}

ByteText::ByteText(const char* zero_terminated)
    : bytes_(zero_terminated == nullptr ? "" : zero_terminated) {}

}  // namespace taoci
