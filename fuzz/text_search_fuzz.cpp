// FindText and SplitText on arbitrary bytes, against the literal rules.
// Input: the sought text (also used as the delimiter), a zero byte, the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "tests/text/plain_text_rules.h"
#include "text/text_ops.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  if (split == std::string_view::npos) return 0;
  const taoci::ByteText sought(input.substr(0, split));
  const taoci::ByteText text(input.substr(split + 1));

  if (taoci::FindText(text, sought) != taoci::plain::FindText(text.bytes(), sought.bytes())) {
    std::abort();
  }
  const taoci::TextList pieces = taoci::SplitText(text, sought);
  const std::vector<std::string> literal = taoci::plain::SplitText(text.bytes(), sought.bytes());
  if (pieces.Count() != static_cast<int>(literal.size())) std::abort();
  for (int k = 1; k <= pieces.Count(); ++k) {
    if (pieces.Item(k).bytes() != literal[static_cast<std::size_t>(k) - 1]) std::abort();
  }
  return 0;
}
