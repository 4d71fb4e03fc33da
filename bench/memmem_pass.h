// The baseline the searches are measured against: the C library's memmem,
// run over the same bytes to their end, every occurrence counted. Native
// benchmark builds only, where glibc has it.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace taoci::bench {

inline std::size_t MemmemPass(std::string_view text, std::string_view sought) {
  std::size_t count = 0;
  const char* from = text.data();
  const char* const end = text.data() + text.size();
  for (;;) {
    const void* hit =
        memmem(from, static_cast<std::size_t>(end - from), sought.data(), sought.size());
    if (hit == nullptr) return count;
    ++count;
    from = static_cast<const char*>(hit) + sought.size();
  }
}

}  // namespace taoci::bench
