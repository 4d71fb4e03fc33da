#include "net/read_body.h"

#include <algorithm>
#include <memory>
#include <new>
#include <string>
#include <utility>

namespace taoci {
namespace {

// Appends `count` bytes, or as many as the body's present storage still holds
// when it cannot grow. False when not all of them fitted. Catching here is
// what keeps a large page on a machine short of memory from ending the
// program: the bytes that did arrive are still the answer.
bool Append(std::string& body, const char* bytes, std::size_t count) {
  try {
    body.append(bytes, count);
    return true;
  } catch (const std::bad_alloc&) {
    body.append(bytes, std::min(count, body.capacity() - body.size()));
    return false;
  }
}

}  // namespace

ByteBlock ReadBody(HINTERNET request, std::size_t buffer_size) {
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[buffer_size]);
  if (!buffer) return ByteBlock();
  std::string body;
  while (body.size() < kMaxBodyBytes) {
    // Never asks for more than the limit leaves, so that exactly the first
    // kMaxBodyBytes come back.
    const DWORD wanted = static_cast<DWORD>(std::min(buffer_size, kMaxBodyBytes - body.size()));
    DWORD delivered = 0;
    const bool read = InternetReadFile(request, buffer.get(), wanted, &delivered);
    // A read that fails may still have delivered bytes before the failure
    // (the client waits to fill the buffer): they arrived, so they count.
    delivered = std::min(delivered, wanted);
    if (delivered > 0 && !Append(body, buffer.get(), delivered)) break;
    if (!read || delivered == 0) break;
  }
  return ByteBlock(std::move(body));
}

}  // namespace taoci
